<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AngleField</name>
    <message>
        <source>θ =</source>
        <extracomment>Before the field in which the user types an angle.</extracomment>
        <translation>θ =</translation>
    </message>
    <message>
        <source>Angle</source>
        <extracomment>What a screen reader calls the field in which the user types an angle.</extracomment>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Not an angle. Type an angle such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees.</source>
        <extracomment>What a screen reader says when what was typed is not an angle; like the message shown, in words.</extracomment>
        <translation>Kein Winkel. Geben Sie einen Winkel ein, etwa 3 Pi durch 4, 2 Pi, 1,2, 135 Grad oder minus 90 Grad.</translation>
    </message>
    <message>
        <source>shown as the coterminal angle %1</source>
        <extracomment>Below the angle field when an angle beyond a full turn was brought in by whole turns.</extracomment>
        <translation>gezeigt als der gleichwertige Winkel %1</translation>
    </message>
    <message>
        <source>Type an angle, such as 3π/4, 2pi, 1.2, 135° or −90 deg, and press Return</source>
        <translation>Geben Sie einen Winkel ein, etwa 3π/4, 2pi, 1,2, 135° oder −90 deg, und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source>Type an angle such as 3π/4, 2pi, −5π/6, 1.2, 135° or −90 deg.</source>
        <extracomment>Below the angle field when what was typed is not an angle.</extracomment>
        <translation>Geben Sie einen Winkel ein, etwa 3π/4, 2pi, −5π/6, 1,2, 135° oder −90 deg.</translation>
    </message>
    <message>
        <source>Type an angle, such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees, and press Return</source>
        <extracomment>The angle field&apos;s tool tip as a screen reader says it.</extracomment>
        <translation>Geben Sie einen Winkel ein, etwa 3 Pi durch 4, 2 Pi, 1,2, 135 Grad oder minus 90 Grad, und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source>That is too long for an angle: the field takes at most %1 characters.</source>
        <extracomment>Beside the angle field when the user pastes or types more than it takes.</extracomment>
        <translation>Das ist zu lang für einen Winkel: Das Feld nimmt höchstens %1 Zeichen auf.</translation>
    </message>
    <message>
        <source>Too long for an angle. The field takes at most %1 characters.</source>
        <extracomment>What a screen reader says when the text pasted into the angle field was refused as too long.</extracomment>
        <translation>Zu lang für einen Winkel. Das Feld nimmt höchstens %1 Zeichen auf.</translation>
    </message>
</context>
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
    <message>
        <source>The ReadMe could not be found.</source>
        <translation>Die Liesmich-Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>It belongs beside the program, in “%1”, or in the folder share/unitcircle beside that folder. Installing Unit Circle again puts it back.</source>
        <extracomment>%1 is the folder that holds the program.</extracomment>
        <translation>Sie gehört neben das Programm, in „%1“, oder in den Ordner share/unitcircle neben diesem Ordner. Wenn Sie Einheitskreis neu installieren, ist sie wieder da.</translation>
    </message>
    <message>
        <source>The ReadMe could not be opened.</source>
        <translation>Die Liesmich-Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No program on this computer opened “%1”. Open it with a program that reads RTF documents, such as a word processor.</source>
        <extracomment>%1 is the full path of the ReadMe file.</extracomment>
        <translation>Kein Programm auf diesem Computer hat „%1“ geöffnet. Öffnen Sie die Datei mit einem Programm, das RTF-Dokumente liest, etwa einer Textverarbeitung.</translation>
    </message>
    <message>
        <source>The web site could not be opened.</source>
        <translation>Die Website konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1. Type the address into a browser to visit it.</source>
        <extracomment>%1 is the address of the web site.</extracomment>
        <translation>Kein Webbrowser auf diesem Computer hat %1 geöffnet. Geben Sie die Adresse in einen Browser ein, um die Seite zu besuchen.</translation>
    </message>
    <message>
        <source>Unit Circle Graph</source>
        <extracomment>The title of the print job of the graph: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Einheitskreis – Graph</translation>
    </message>
    <message>
        <source>Your choices could not be read.</source>
        <translation>Ihre Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>“%1” is far larger than a file of choices, so it was not read. Unit Circle starts with its usual settings and puts your choices in its place when you change them.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>„%1“ ist viel größer als eine Einstellungsdatei und wurde daher nicht gelesen. Einheitskreis startet mit seinen üblichen Einstellungen und legt Ihre Einstellungen an ihre Stelle, sobald Sie sie ändern.</translation>
    </message>
    <message>
        <source>“%1” is not a file. Unit Circle starts with its usual settings, and the choices you make now will not be kept. Remove what stands in its place to keep them again.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>„%1“ ist keine Datei. Einheitskreis startet mit seinen üblichen Einstellungen, und was Sie jetzt einstellen, wird nicht gespeichert. Entfernen Sie, was an ihrer Stelle steht, damit Ihre Einstellungen wieder gespeichert werden.</translation>
    </message>
    <message>
        <source>Your choices could not be saved.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the file or its folder is read-only.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: Die Datei oder ihr Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the disk is full.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: something that is not a file or folder stands in its way.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: Etwas, das weder Datei noch Ordner ist, steht im Weg.</translation>
    </message>
    <message>
        <source>“%1” cannot be written.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unit Circle runs on, but the choices you make will be lost when it quits.</source>
        <translation>Einheitskreis läuft weiter, aber Ihre Einstellungen gehen beim Beenden verloren.</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>Der Drucker nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer is stopped, so nothing was sent to it. Start it again, then print once more.</source>
        <translation>Der Drucker ist angehalten, daher wurde nichts an ihn gesendet. Starten Sie ihn wieder und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The printer no longer exists. Choose another printer.</source>
        <translation>Den Drucker gibt es nicht mehr. Wählen Sie einen anderen Drucker.</translation>
    </message>
    <message>
        <source>The print system cannot be reached.</source>
        <translation>Das Drucksystem ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The page could not be made for this paper and printer.</source>
        <translation>Die Seite konnte für dieses Papier und diesen Drucker nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The print system did not take the job.</source>
        <translation>Das Drucksystem hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <source>Nothing was printed on “%1”.</source>
        <extracomment>%1 is the name of the printer, or of the file printed to.</extracomment>
        <translation>Auf „%1“ wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Fortschritt exportieren</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>The file type of an exported progress, for a spreadsheet.</extracomment>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Unit Circle progress.csv</source>
        <extracomment>The file name that the export dialog proposes for the progress.</extracomment>
        <translation>Einheitskreis-Fortschritt.csv</translation>
    </message>
    <message>
        <source>Reset Progress</source>
        <translation>Fortschritt zurücksetzen</translation>
    </message>
    <message>
        <source>Forget every answer you have given in practice?</source>
        <translation>Alle Antworten vergessen, die Sie beim Üben gegeben haben?</translation>
    </message>
    <message>
        <source>All skills start again as new. This cannot be undone; export your progress first to keep it.</source>
        <translation>Alle Fertigkeiten beginnen wieder als neu. Das lässt sich nicht rückgängig machen; exportieren Sie Ihren Fortschritt zuerst, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that clears the practice history.</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Your practice history could not be cleared. Nothing was forgotten.</source>
        <translation>Ihr Übungsverlauf konnte nicht gelöscht werden. Es wurde nichts vergessen.</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Drucken ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The part of Unit Circle that prints could not be loaded. Reinstalling the program may bring it back.</source>
        <translation>Der Teil von Unit Circle, der druckt, konnte nicht geladen werden. Eine Neuinstallation des Programms kann ihn zurückbringen.</translation>
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
    <message>
        <source>SVG export is not available: the part of Unit Circle that writes SVG could not be loaded (%1).</source>
        <translation>Der SVG-Export ist nicht verfügbar: Der Teil von Unit Circle, der SVG schreibt, konnte nicht geladen werden (%1).</translation>
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
    <message>
        <source>theta %1</source>
        <extracomment>What a screen reader says of the graph, first the angle: &quot;theta pi over 3&quot;.</extracomment>
        <translation>Theta %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <extracomment>The value of the cosine curve at the angle, read aloud: &quot;cosine 1 over 2&quot;.</extracomment>
        <translation>Kosinus %1</translation>
    </message>
    <message>
        <source>sine %1</source>
        <extracomment>The value of the sine curve at the angle, read aloud: &quot;sine root 3 over 2&quot;.</extracomment>
        <translation>Sinus %1</translation>
    </message>
    <message>
        <source>tangent %1</source>
        <extracomment>The value of the tangent curve at the angle, read aloud: &quot;tangent root 3&quot;, &quot;tangent undefined&quot;.</extracomment>
        <translation>Tangens %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the graph&apos;s spoken text: &quot;theta pi over 3, cosine 1 over 2&quot;.</extracomment>
        <translation>, </translation>
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
        <translation>&amp;Liesmich zum Einheitskreis</translation>
    </message>
    <message>
        <source>&amp;Marvo Software Web Site</source>
        <translation>&amp;Website von Marvo Software</translation>
    </message>
    <message>
        <source>Show sin θ, cos θ, tan θ, cot θ, sec θ and csc θ, the quadrant and the reference angle beside the circle</source>
        <translation>sin θ, cos θ, tan θ, cot θ, sec θ und csc θ, den Quadranten und den Bezugswinkel neben dem Kreis zeigen</translation>
    </message>
    <message>
        <source>Show the six circular functions of theta, the quadrant and the reference angle beside the circle</source>
        <translation>Die sechs Winkelfunktionen von Theta, den Quadranten und den Bezugswinkel neben dem Kreis zeigen</translation>
    </message>
    <message>
        <source>Va&amp;lues</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Werte</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Wink&amp;el</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Werte</translation>
    </message>
    <message>
        <source>Print G&amp;raph…</source>
        <translation>G&amp;raph drucken…</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ü&amp;ben</translation>
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
    <message>
        <source>Pr&amp;ogress</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>F&amp;ortschritt</translation>
    </message>
    <message>
        <source>Export Pr&amp;ogress…</source>
        <comment>File menu: writes the progress per skill to a CSV file for a teacher. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>F&amp;ortschritt exportieren…</translation>
    </message>
    <message>
        <source>Rese&amp;t Progress…</source>
        <comment>File menu: forgets every answer kept, after asking. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Fortschri&amp;tt zurücksetzen…</translation>
    </message>
    <message>
        <source>Pro&amp;jector Mode</source>
        <comment>View menu: thick lines, large texts and deep colours for a class. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Pro&amp;jektormodus</translation>
    </message>
    <message>
        <source>Larger &amp;Text</source>
        <comment>View menu: the texts of the figure, the graph and the panels one step larger. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Schrift ve&amp;rgrößern</translation>
    </message>
    <message>
        <source>Smaller Te&amp;xt</source>
        <comment>View menu: the texts one step smaller. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Schrift ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <comment>View menu: the texts back to their usual size. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>&amp;Reverse Contrast</source>
        <comment>View menu: the figure and the graph light on a dark ground. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Umgekehrter Kontrast</translation>
    </message>
    <message>
        <source>Angle &amp;Unit</source>
        <comment>View menu: the unit in which angles are named. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Winke&amp;leinheit</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>Angle Unit menu: angles named in radians. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Bogen&amp;maß</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>Angle Unit menu: angles named in degrees. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>G&amp;radmaß</translation>
    </message>
    <message>
        <source>St&amp;andard Angles</source>
        <comment>View menu: marks and names the multiples of pi/6 and pi/4 on the circle. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Standardwinkel</translation>
    </message>
    <message>
        <source>&amp;Cosine and Sine</source>
        <comment>View menu: the projections of the point and the panel of theta, cos and sin. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Kos&amp;inus und Sinus</translation>
    </message>
    <message>
        <source>Typ&amp;e an Angle</source>
        <comment>View menu: puts the keyboard focus in the field where an angle is typed. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Winkel &amp;eingeben</translation>
    </message>
    <message>
        <source>Graph shown</source>
        <extracomment>Said by a screen reader when View &gt; Graph is chosen by its key or from the menu.</extracomment>
        <translation>Graph eingeblendet</translation>
    </message>
    <message>
        <source>Graph hidden</source>
        <translation>Graph ausgeblendet</translation>
    </message>
    <message>
        <source>Values shown</source>
        <extracomment>Said by a screen reader when View &gt; Values is chosen by its key or from the menu.</extracomment>
        <translation>Werte eingeblendet</translation>
    </message>
    <message>
        <source>Values hidden</source>
        <translation>Werte ausgeblendet</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The file %1 is missing.</source>
        <extracomment>%1 is the file name of a part of the program, such as unitcircle-print.so.</extracomment>
        <translation>Die Datei %1 fehlt.</translation>
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
        <extracomment>The square root of a number read aloud: &quot;root 3&quot; in &quot;root 3 over 2&quot;.</extracomment>
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
    <message>
        <source>%1 root %2</source>
        <extracomment>A whole number times a square root read aloud: &quot;2 root 3&quot; in &quot;2 root 3 over 3&quot;.</extracomment>
        <translation>%1 mal Wurzel aus %2</translation>
    </message>
    <message>
        <source>cosine %1, sine %2</source>
        <extracomment>What a screen reader says of the figure while a practice question asks for the angle: the point&apos;s coordinates only, &quot;cosine minus 1 over 2, sine root 3 over 2&quot;.</extracomment>
        <translation>Kosinus %1, Sinus %2</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <comment>with decimals</comment>
        <translation>%1 Grad</translation>
    </message>
</context>
<context>
    <name>PracticeHistory</name>
    <message>
        <source>it is not a practice history</source>
        <translation>es ist kein Übungsverlauf</translation>
    </message>
    <message>
        <source>Practice goes on, but your answers are not kept.</source>
        <extracomment>Ends a message that says why the practice history cannot be used.</extracomment>
        <translation>Sie können weiter üben, aber Ihre Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your practice history could not be opened.</source>
        <translation>Ihr Übungsverlauf konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The folder “%1” could not be made.</source>
        <extracomment>%1 is the full path of the practice history&apos;s folder.</extracomment>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>„%1“: %2.</translation>
    </message>
    <message>
        <source>Your practice history is in use.</source>
        <translation>Ihr Übungsverlauf wird gerade verwendet.</translation>
    </message>
    <message>
        <source>Another program holds “%1”.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>Ein anderes Programm hält „%1“ gesperrt.</translation>
    </message>
    <message>
        <source>Your practice history was written by a newer version of Unit Circle.</source>
        <translation>Ihr Übungsverlauf wurde von einer neueren Version von Einheitskreis geschrieben.</translation>
    </message>
    <message>
        <source>“%1” is left as it is.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>„%1“ bleibt unverändert.</translation>
    </message>
    <message>
        <source>Your practice history is damaged.</source>
        <translation>Ihr Übungsverlauf ist beschädigt.</translation>
    </message>
    <message>
        <source>“%1” could not be moved aside: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>„%1“ konnte nicht beiseitegelegt werden: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be read. It is kept as “%2”, and a new history is started.</source>
        <extracomment>%1 is the full path of the practice history, %2 where the damaged one was kept.</extracomment>
        <translation>„%1“ konnte nicht gelesen werden. Die Datei wird als „%2“ aufbewahrt, und ein neuer Verlauf wird begonnen.</translation>
    </message>
    <message>
        <source>Your answer could not be kept.</source>
        <translation>Ihre Antwort konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Practice goes on, but the answers you give now may not be kept.</source>
        <translation>Sie können weiter üben, aber die Antworten, die Sie jetzt geben, werden womöglich nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <extracomment>The title of the practice panel.</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks where the point is, for a question answered by moving it.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>New Round</source>
        <translation>Neue Runde</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The answer for a tangent that has no value, as at π∕2.</extracomment>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>What is the sine of %1?</source>
        <translation>Wie groß ist der Sinus von %1?</translation>
    </message>
    <message>
        <source>What is the cosine of %1?</source>
        <translation>Wie groß ist der Kosinus von %1?</translation>
    </message>
    <message>
        <source>What is the tangent of %1?</source>
        <translation>Wie groß ist der Tangens von %1?</translation>
    </message>
    <message>
        <source>Move the point to %1.</source>
        <extracomment>A question answered by moving the point: &quot;Move the point to −3π∕4.&quot;</extracomment>
        <translation>Setzen Sie den Punkt auf %1.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is positive.</source>
        <translation>Setzen Sie den Punkt auf den Winkel zwischen 0 und %1, dessen Sinus %2 ist und dessen Kosinus positiv ist.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is negative.</source>
        <translation>Setzen Sie den Punkt auf den Winkel zwischen 0 und %1, dessen Sinus %2 ist und dessen Kosinus negativ ist.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is positive.</source>
        <translation>Setzen Sie den Punkt auf den Winkel zwischen 0 und %1, dessen Kosinus %2 ist und dessen Sinus positiv ist.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is negative.</source>
        <translation>Setzen Sie den Punkt auf den Winkel zwischen 0 und %1, dessen Kosinus %2 ist und dessen Sinus negativ ist.</translation>
    </message>
    <message>
        <source>Round over: %1 of %2 right</source>
        <translation>Runde vorbei: %1 von %2 richtig</translation>
    </message>
    <message>
        <source>Question %1 of %2, %3 right</source>
        <extracomment>The score while a round runs: &quot;Question 3 of 10, 2 right&quot;.</extracomment>
        <translation>Frage %1 von %2, %3 richtig</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said at once after a right answer.</extracomment>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Practise Missed</source>
        <extracomment>Starts a round of the questions missed in the round just over.</extracomment>
        <translation>Verpasste üben</translation>
    </message>
    <message>
        <source>What is the cotangent of %1?</source>
        <translation>Wie groß ist der Kotangens von %1?</translation>
    </message>
    <message>
        <source>What is the secant of %1?</source>
        <translation>Wie groß ist der Sekans von %1?</translation>
    </message>
    <message>
        <source>What is the cosecant of %1?</source>
        <translation>Wie groß ist der Kosekans von %1?</translation>
    </message>
    <message>
        <source>sin %1</source>
        <extracomment>A function of an angle as written: &quot;sin π∕3&quot;; &quot;sen %1&quot; where schools write it so.</extracomment>
        <translation>sin %1</translation>
    </message>
    <message>
        <source>cos %1</source>
        <translation>cos %1</translation>
    </message>
    <message>
        <source>tan %1</source>
        <translation>tan %1</translation>
    </message>
    <message>
        <source>cot %1</source>
        <translation>cot %1</translation>
    </message>
    <message>
        <source>sec %1</source>
        <translation>sec %1</translation>
    </message>
    <message>
        <source>csc %1</source>
        <translation>csc %1</translation>
    </message>
    <message>
        <source>the sine of %1</source>
        <extracomment>A function of an angle read aloud: &quot;the sine of pi over 3&quot;.</extracomment>
        <translation>der Sinus von %1</translation>
    </message>
    <message>
        <source>the cosine of %1</source>
        <translation>der Kosinus von %1</translation>
    </message>
    <message>
        <source>the tangent of %1</source>
        <translation>der Tangens von %1</translation>
    </message>
    <message>
        <source>the cotangent of %1</source>
        <translation>der Kotangens von %1</translation>
    </message>
    <message>
        <source>the secant of %1</source>
        <translation>der Sekans von %1</translation>
    </message>
    <message>
        <source>the cosecant of %1</source>
        <translation>der Kosekans von %1</translation>
    </message>
    <message>
        <source>%1 is undefined</source>
        <extracomment>A function that has no value at an angle: &quot;tan π∕2 is undefined&quot;.</extracomment>
        <translation>%1 ist nicht definiert</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>A function&apos;s value read aloud: &quot;the sine of pi over 3 is root 3 over 2&quot;.</extracomment>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>the positive x axis</source>
        <translation>der positiven x-Achse</translation>
    </message>
    <message>
        <source>the positive y axis</source>
        <translation>der positiven y-Achse</translation>
    </message>
    <message>
        <source>the negative x axis</source>
        <translation>der negativen x-Achse</translation>
    </message>
    <message>
        <source>the negative y axis</source>
        <translation>der negativen y-Achse</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point is (%3, %4), so %5.</source>
        <extracomment>Why a value on an axis is what it is: &quot;3π∕2 lies on the negative y axis, where the point is (0, −1), so sin 3π∕2 = −1.&quot;</extracomment>
        <translation>%1 liegt auf %2, wo der Punkt (%3 | %4) ist, daraus folgt: %5.</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point has the coordinates %3 and %4, so %5.</source>
        <extracomment>The same read aloud.</extracomment>
        <translation>%1 liegt auf %2, wo der Punkt die Koordinaten %3 und %4 hat, daraus folgt: %5.</translation>
    </message>
    <message>
        <source>where the sine is positive</source>
        <translation>wo der Sinus positiv ist</translation>
    </message>
    <message>
        <source>where the sine is negative</source>
        <translation>wo der Sinus negativ ist</translation>
    </message>
    <message>
        <source>where the cosine is positive</source>
        <translation>wo der Kosinus positiv ist</translation>
    </message>
    <message>
        <source>where the cosine is negative</source>
        <translation>wo der Kosinus negativ ist</translation>
    </message>
    <message>
        <source>where the tangent is positive</source>
        <translation>wo der Tangens positiv ist</translation>
    </message>
    <message>
        <source>where the tangent is negative</source>
        <translation>wo der Tangens negativ ist</translation>
    </message>
    <message>
        <source>where the cotangent is positive</source>
        <translation>wo der Kotangens positiv ist</translation>
    </message>
    <message>
        <source>where the cotangent is negative</source>
        <translation>wo der Kotangens negativ ist</translation>
    </message>
    <message>
        <source>where the secant is positive</source>
        <translation>wo der Sekans positiv ist</translation>
    </message>
    <message>
        <source>where the secant is negative</source>
        <translation>wo der Sekans negativ ist</translation>
    </message>
    <message>
        <source>where the cosecant is positive</source>
        <translation>wo der Kosekans positiv ist</translation>
    </message>
    <message>
        <source>where the cosecant is negative</source>
        <translation>wo der Kosekans negativ ist</translation>
    </message>
    <message>
        <source>%1 lies in quadrant %2, %3; its reference angle is %4 and %5, so %6.</source>
        <extracomment>Why a value is what it is: &quot;4π∕3 lies in quadrant III, where the sine is negative; its reference angle is π∕3 and sin π∕3 = √3∕2, so sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>%1 liegt im Quadranten %2, %3; sein Bezugswinkel ist %4 und %5, daraus folgt: %6.</translation>
    </message>
    <message>
        <source>The point is now at %1, on %2: %3 and %4.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 3π∕2, on the negative y axis: cos 3π∕2 = 0 and sin 3π∕2 = −1.&quot;</extracomment>
        <translation>Der Punkt steht jetzt auf %1, auf %2: %3 und %4.</translation>
    </message>
    <message>
        <source>The point is now at %1, in quadrant %2, with the reference angle %3: %4 and %5.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 4π∕3, in quadrant III, with the reference angle π∕3: cos 4π∕3 = −1∕2 and sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>Der Punkt steht jetzt auf %1, im Quadranten %2, mit dem Bezugswinkel %3: %4 und %5.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <extracomment>Said at once after a wrong answer, with why the right one is right: &quot;Not quite. 4π∕3 lies in quadrant III, where the sine is negative; …&quot;</extracomment>
        <translation>Nicht ganz. %1</translation>
    </message>
    <message>
        <source>You answered %1; the answer is %2.</source>
        <extracomment>A miss in the round&apos;s summary, after the question: &quot;You answered 1∕2; the answer is −√3∕2.&quot;</extracomment>
        <translation>Ihre Antwort: %1; richtig ist %2.</translation>
    </message>
    <message>
        <source>, your answer</source>
        <extracomment>Added to the accessible name of the answer button the student pressed.</extracomment>
        <translation>, Ihre Antwort</translation>
    </message>
    <message>
        <source>, right answer</source>
        <extracomment>Added to the accessible name of the answer button with the right answer.</extracomment>
        <translation>, richtige Antwort</translation>
    </message>
    <message>
        <source>Start a new round?</source>
        <extracomment>Asked when New Round is pressed during a round with answers.</extracomment>
        <translation>Eine neue Runde beginnen?</translation>
    </message>
    <message>
        <source>The answers given in this round will be lost.</source>
        <translation>Die Antworten dieser Runde gehen verloren.</translation>
    </message>
    <message>
        <source>Start New Round</source>
        <translation>Neue Runde beginnen</translation>
    </message>
    <message>
        <source>Go On with This Round</source>
        <translation>Diese Runde fortsetzen</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Progress</source>
        <extracomment>The title of the progress panel.</extracomment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Kotangens</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Sekans</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Kosekans</translation>
    </message>
    <message>
        <source>Placing angles</source>
        <extracomment>The choice of the progress panel that shows where the angles lie.</extracomment>
        <translation>Winkel einzeichnen</translation>
    </message>
    <message>
        <source>Progress of</source>
        <extracomment>The accessible name of the progress panel&apos;s choice of function.</extracomment>
        <translation>Fortschritt bei</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>A skill never practised.</extracomment>
        <translation>neu</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>wird gelernt</translation>
    </message>
    <message>
        <source>familiar</source>
        <translation>vertraut</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>beherrscht</translation>
    </message>
    <message>
        <source>placing %1</source>
        <extracomment>A skill in the progress panel: placing an angle on the circle, &quot;placing 3π∕2&quot;.</extracomment>
        <translation>%1 einzeichnen</translation>
    </message>
    <message>
        <source>sin %1</source>
        <translation>sin %1</translation>
    </message>
    <message>
        <source>cos %1</source>
        <translation>cos %1</translation>
    </message>
    <message>
        <source>tan %1</source>
        <translation>tan %1</translation>
    </message>
    <message>
        <source>cot %1</source>
        <translation>cot %1</translation>
    </message>
    <message>
        <source>sec %1</source>
        <translation>sec %1</translation>
    </message>
    <message>
        <source>csc %1</source>
        <translation>csc %1</translation>
    </message>
    <message>
        <source>sine at %1</source>
        <extracomment>A skill in the progress panel read aloud: &quot;sine at 2 pi over 3&quot;.</extracomment>
        <translation>Sinus bei %1</translation>
    </message>
    <message>
        <source>cosine at %1</source>
        <translation>Kosinus bei %1</translation>
    </message>
    <message>
        <source>tangent at %1</source>
        <translation>Tangens bei %1</translation>
    </message>
    <message>
        <source>cotangent at %1</source>
        <translation>Kotangens bei %1</translation>
    </message>
    <message>
        <source>secant at %1</source>
        <translation>Sekans bei %1</translation>
    </message>
    <message>
        <source>cosecant at %1</source>
        <translation>Kosekans bei %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A skill and its level read aloud: &quot;sine at 2 pi over 3: mastered&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong</source>
        <translation>%1 richtig, %2 falsch</translation>
    </message>
    <message>
        <source>sin</source>
        <translation>sin</translation>
    </message>
    <message>
        <source>cos</source>
        <translation>cos</translation>
    </message>
    <message>
        <source>tan</source>
        <translation>tan</translation>
    </message>
    <message>
        <source>cot</source>
        <translation>cot</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>csc</source>
        <translation>csc</translation>
    </message>
    <message>
        <source>place</source>
        <extracomment>Short for placing angles, in the progress panel&apos;s table of counts.</extracomment>
        <translation>Lage</translation>
    </message>
    <message>
        <source>%1: %2 mastered, %3 familiar, %4 learning, %5 new</source>
        <extracomment>The levels counted for one function, read aloud: &quot;Sine: 3 mastered, 2 familiar, 5 learning, 6 new&quot;.</extracomment>
        <translation>%1: %2 beherrscht, %3 vertraut, %4 werden gelernt, %5 neu</translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation>Gerade ist nichts fällig.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the skills named as due: &quot;and 4 more&quot;.</extracomment>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Due now (%1): %2</source>
        <extracomment>What the next rounds ask first: &quot;Due now (3): sec 4π∕3 (learning), …&quot;.</extracomment>
        <translation>Jetzt fällig (%1): %2</translation>
    </message>
</context>
<context>
    <name>TurnSweep</name>
    <message>
        <source>one turn from %1</source>
        <extracomment>Said by the screen reader as Listen to One Turn begins: &quot;one turn from pi over 6&quot;.</extracomment>
        <translation>eine Umdrehung ab %1</translation>
    </message>
    <message>
        <source>back at %1</source>
        <extracomment>Said by the screen reader when Listen to One Turn is over: &quot;back at pi over 6&quot;.</extracomment>
        <translation>wieder bei %1</translation>
    </message>
</context>
<context>
    <name>ValuesPanel</name>
    <message>
        <source>sin θ = %1</source>
        <extracomment>A line of the values panel; &quot;sen θ&quot; where schools write it so.</extracomment>
        <translation>sin θ = %1</translation>
    </message>
    <message>
        <source>sine %1</source>
        <translation>Sinus %1</translation>
    </message>
    <message>
        <source>cos θ = %1</source>
        <translation>cos θ = %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <translation>Kosinus %1</translation>
    </message>
    <message>
        <source>tan θ = %1</source>
        <translation>tan θ = %1</translation>
    </message>
    <message>
        <source>tangent %1</source>
        <translation>Tangens %1</translation>
    </message>
    <message>
        <source>cot θ = %1</source>
        <translation>cot θ = %1</translation>
    </message>
    <message>
        <source>cotangent %1</source>
        <translation>Kotangens %1</translation>
    </message>
    <message>
        <source>sec θ = %1</source>
        <translation>sec θ = %1</translation>
    </message>
    <message>
        <source>secant %1</source>
        <translation>Sekans %1</translation>
    </message>
    <message>
        <source>csc θ = %1</source>
        <translation>csc θ = %1</translation>
    </message>
    <message>
        <source>cosecant %1</source>
        <translation>Kosekans %1</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The value of a function where it has none, as at tan(π∕2).</extracomment>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>On the positive x axis</source>
        <translation>Auf der positiven x-Achse</translation>
    </message>
    <message>
        <source>On the positive y axis</source>
        <translation>Auf der positiven y-Achse</translation>
    </message>
    <message>
        <source>On the negative x axis</source>
        <translation>Auf der negativen x-Achse</translation>
    </message>
    <message>
        <source>On the negative y axis</source>
        <translation>Auf der negativen y-Achse</translation>
    </message>
    <message>
        <source>Quadrant %1</source>
        <extracomment>Where the point lies; %1 is a Roman numeral, I to IV.</extracomment>
        <translation>Quadrant %1</translation>
    </message>
    <message>
        <source>quadrant %1</source>
        <extracomment>The quadrant read aloud; %1 is its number, 1 to 4.</extracomment>
        <translation>Quadrant %1</translation>
    </message>
    <message>
        <source>Reference angle %1</source>
        <extracomment>The reference angle, the acute angle between the radius and the x axis: &quot;Reference angle π∕3&quot;.</extracomment>
        <translation>Bezugswinkel %1</translation>
    </message>
    <message>
        <source>reference angle %1</source>
        <extracomment>The reference angle read aloud: &quot;reference angle pi over 3&quot;.</extracomment>
        <translation>Bezugswinkel %1</translation>
    </message>
</context>
</TS>
