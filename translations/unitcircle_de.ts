<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Controller</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved.

%2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Abbildung exportieren</translation>
    </message>
    <message>
        <source>Unit Circle.png</source>
        <extracomment>The file name that the export dialog proposes for the figure.</extracomment>
        <translation>Einheitskreis.png</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Graph exportieren</translation>
    </message>
    <message>
        <source>Unit Circle graph.png</source>
        <extracomment>The file name that the export dialog proposes for the graph.</extracomment>
        <translation>Einheitskreis-Graph.png</translation>
    </message>
    <message>
        <source>Unit Circle</source>
        <extracomment>The print job&apos;s title: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Einheitskreis</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>Unit Circle</source>
        <translation>Einheitskreis</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>Die Zeichnung konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Press or drag along the graph, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Um den Winkel Theta zu ändern, klicken Sie auf den Graphen oder ziehen Sie an ihm entlang, oder verwenden Sie die Pfeiltasten, Bild auf, Bild ab und Pos1.</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>Written on the graph after &quot;tan(θ)&quot; where the tangent has no value (at ±π∕2, ±3π∕2).</extracomment>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>Graph of the cosine, the sine and the tangent</source>
        <extracomment>What a screen reader calls the graph; it begins with the word for a graph.</extracomment>
        <translation>Graph des Kosinus, des Sinus und des Tangens</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unit Circle</source>
        <translation>Einheitskreis</translation>
    </message>
    <message>
        <source>Curves:</source>
        <translation>Kurven:</translation>
    </message>
    <message>
        <source>c&amp;os θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>c&amp;os θ</translation>
    </message>
    <message>
        <source>Draw the curve of the cosine of theta</source>
        <translation>Kurve des Kosinus von Theta zeichnen</translation>
    </message>
    <message>
        <source>s&amp;in θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>s&amp;in θ</translation>
    </message>
    <message>
        <source>Draw the curve of the sine of theta</source>
        <translation>Kurve des Sinus von Theta zeichnen</translation>
    </message>
    <message>
        <source>&amp;tan θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;tan θ</translation>
    </message>
    <message>
        <source>Draw the curve of the tangent of theta, with its asymptotes</source>
        <translation>Kurve des Tangens von Theta mit ihren Asymptoten zeichnen</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Winkelmaß</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Bogen&amp;maß</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>G&amp;radmaß</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Mark and name the multiples of π∕6 and π∕4 on the circle</source>
        <translation>Die Vielfachen von π∕6 und π∕4 auf dem Kreis markieren und beschriften</translation>
    </message>
    <message>
        <source>Mark and name the multiples of pi over 6 and pi over 4 on the circle</source>
        <translation>Die Vielfachen von Pi durch 6 und Pi durch 4 auf dem Kreis markieren und beschriften</translation>
    </message>
    <message>
        <source>&amp;Standard angles</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Standardwinkel</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show θ, cos θ and sin θ in a panel</source>
        <translation>Den Punkt auf die Achsen projizieren und θ, cos θ und sin θ in einem Feld anzeigen</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show theta, cosine theta and sine theta in a panel</source>
        <translation>Den Punkt auf die Achsen projizieren und Theta, Kosinus Theta und Sinus Theta in einem Feld anzeigen</translation>
    </message>
    <message>
        <source>&amp;Cosine and sine</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Kosinus und Sinus</translation>
    </message>
    <message>
        <source>Show cos θ, sin θ and tan θ against θ below the circle</source>
        <translation>cos θ, sin θ und tan θ in Abhängigkeit von θ unter dem Kreis darstellen</translation>
    </message>
    <message>
        <source>Show the graph of the cosine, the sine and the tangent of theta below the circle</source>
        <translation>Den Graphen des Kosinus, des Sinus und des Tangens von Theta unter dem Kreis anzeigen</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export Figure…</source>
        <translation>&amp;Abbildung exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;Graph…</source>
        <translation>&amp;Graph exportieren…</translation>
    </message>
    <message>
        <source>&amp;Copy Figure</source>
        <translation>Abbildung &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Unit Circle &amp;ReadMe</source>
        <translation>&amp;Liesmich zu Einheitskreis</translation>
    </message>
    <message>
        <source>&amp;Marvo Software Web Site</source>
        <translation>&amp;Website von Marvo Software</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Sound is unavailable</source>
        <comment>In the Sound menu when there is no sound device or sound server</comment>
        <translation>Kein Ton verfügbar</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>Sound menu: no tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>&amp;Sine</source>
        <comment>Sound menu: the pitch follows the sine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Sinus</translation>
    </message>
    <message>
        <source>&amp;Cosine</source>
        <comment>Sound menu: the pitch follows the cosine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Kosinus</translation>
    </message>
    <message>
        <source>&amp;Tangent</source>
        <comment>Sound menu: the pitch follows the tangent. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Tangens</translation>
    </message>
    <message>
        <source>&amp;Listen to One Turn</source>
        <comment>View menu: the point goes once round the circle with the tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Eine Umdrehung an&amp;hören</translation>
    </message>
</context>
<context>
    <name>OrbelView</name>
    <message>
        <source>Drag the point, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Um den Winkel Theta zu ändern, ziehen Sie den Punkt oder verwenden Sie die Pfeiltasten, Bild auf, Bild ab und Pos1.</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>Read aloud before a negative angle or value: &quot;minus 5 pi over 6&quot;, &quot;minus 0.362&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction read aloud: &quot;3 pi over 4&quot;, &quot;root 3 over 2&quot;, &quot;1 over 2&quot;.</extracomment>
        <translation>%1 durch %2</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>Wurzel aus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n degrees</source>
        <extracomment>An angle in whole degrees read aloud: &quot;90 degrees&quot;, &quot;1 degree&quot;.</extracomment>
        <translation>
            <numerusform>%n Grad</numerusform>
            <numerusform>%n Grad</numerusform>
        </translation>
    </message>
    <message>
        <source>pi</source>
        <extracomment>The number pi read aloud, alone (&quot;pi over 2&quot;) or after a whole multiple (&quot;3 pi over 4&quot;).</extracomment>
        <translation>Pi</translation>
    </message>
    <message>
        <source>%1 pi</source>
        <translation>%1 Pi</translation>
    </message>
    <message>
        <source>%1 radians</source>
        <extracomment>An angle in radians read aloud; %1 is the number as the figure shows it: &quot;1.20 radians&quot;.</extracomment>
        <translation>%1 Radiant</translation>
    </message>
    <message>
        <source>theta %1, cosine %2, sine %3</source>
        <extracomment>What a screen reader says of the figure: the angle theta, its cosine and its sine, each in words: &quot;theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2&quot;.</extracomment>
        <translation>Theta %1, Kosinus %2, Sinus %3</translation>
    </message>
    <message>
        <source>Unit circle</source>
        <extracomment>What a screen reader calls the figure.</extracomment>
        <translation>Einheitskreis</translation>
    </message>
</context>
</TS>
