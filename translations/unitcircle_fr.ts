<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Controller</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved.

%2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être enregistré.

%2</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Exporter la figure</translation>
    </message>
    <message>
        <source>Unit Circle.png</source>
        <extracomment>The file name that the export dialog proposes for the figure.</extracomment>
        <translation>Cercle trigonométrique.png</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>Unit Circle graph.png</source>
        <extracomment>The file name that the export dialog proposes for the graph.</extracomment>
        <translation>Cercle trigonométrique - graphique.png</translation>
    </message>
    <message>
        <source>Unit Circle</source>
        <extracomment>The print job&apos;s title: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Cercle trigonométrique</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>Unit Circle</source>
        <translation>Cercle trigonométrique</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>Le dessin n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Press or drag along the graph, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Cliquez ou faites glisser le long du graphique, ou utilisez les touches fléchées, Page précédente, Page suivante et Début, pour modifier l’angle thêta.</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>Written on the graph after &quot;tan(θ)&quot; where the tangent has no value (at ±π∕2, ±3π∕2).</extracomment>
        <translation>non définie</translation>
    </message>
    <message>
        <source>Graph of the cosine, the sine and the tangent</source>
        <extracomment>What a screen reader calls the graph; it begins with the word for a graph.</extracomment>
        <translation>Graphique du cosinus, du sinus et de la tangente</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unit Circle</source>
        <translation>Cercle trigonométrique</translation>
    </message>
    <message>
        <source>Curves:</source>
        <translation>Courbes&#xa0;:</translation>
    </message>
    <message>
        <source>c&amp;os θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>c&amp;os θ</translation>
    </message>
    <message>
        <source>Draw the curve of the cosine of theta</source>
        <translation>Tracer la courbe du cosinus de thêta</translation>
    </message>
    <message>
        <source>s&amp;in θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>s&amp;in θ</translation>
    </message>
    <message>
        <source>Draw the curve of the sine of theta</source>
        <translation>Tracer la courbe du sinus de thêta</translation>
    </message>
    <message>
        <source>&amp;tan θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;tan θ</translation>
    </message>
    <message>
        <source>Draw the curve of the tangent of theta, with its asymptotes</source>
        <translation>Tracer la courbe de la tangente de thêta, avec ses asymptotes</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unité d’angle</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Radians</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Degrés</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Mark and name the multiples of π∕6 and π∕4 on the circle</source>
        <translation>Marquer et nommer sur le cercle les multiples de π∕6 et de π∕4</translation>
    </message>
    <message>
        <source>Mark and name the multiples of pi over 6 and pi over 4 on the circle</source>
        <translation>Marquer et nommer sur le cercle les multiples de pi sur 6 et de pi sur 4</translation>
    </message>
    <message>
        <source>&amp;Standard angles</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Angles re&amp;marquables</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show θ, cos θ and sin θ in a panel</source>
        <translation>Projeter le point sur les axes et afficher θ, cos θ et sin θ dans un encadré</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show theta, cosine theta and sine theta in a panel</source>
        <translation>Projeter le point sur les axes et afficher thêta, cosinus thêta et sinus thêta dans un encadré</translation>
    </message>
    <message>
        <source>&amp;Cosine and sine</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Cosinus et sinus</translation>
    </message>
    <message>
        <source>Show cos θ, sin θ and tan θ against θ below the circle</source>
        <translation>Afficher sous le cercle les courbes de cos θ, sin θ et tan θ en fonction de θ</translation>
    </message>
    <message>
        <source>Show the graph of the cosine, the sine and the tangent of theta below the circle</source>
        <translation>Afficher sous le cercle le graphique du cosinus, du sinus et de la tangente de thêta</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Éditio&amp;n</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export Figure…</source>
        <translation>&amp;Exporter la figure…</translation>
    </message>
    <message>
        <source>Export &amp;Graph…</source>
        <translation>Exporter le &amp;graphique…</translation>
    </message>
    <message>
        <source>&amp;Copy Figure</source>
        <translation>&amp;Copier la figure</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Unit Circle &amp;ReadMe</source>
        <translation>&amp;Lisez-moi de Cercle trigonométrique</translation>
    </message>
    <message>
        <source>&amp;Marvo Software Web Site</source>
        <translation>&amp;Site web de Marvo Software</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Sound is unavailable</source>
        <comment>In the Sound menu when there is no sound device or sound server</comment>
        <translation>Son indisponible</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>Sound menu: no tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Désactivé</translation>
    </message>
    <message>
        <source>&amp;Sine</source>
        <comment>Sound menu: the pitch follows the sine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Sinus</translation>
    </message>
    <message>
        <source>&amp;Cosine</source>
        <comment>Sound menu: the pitch follows the cosine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Cosinus</translation>
    </message>
    <message>
        <source>&amp;Tangent</source>
        <comment>Sound menu: the pitch follows the tangent. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Tangente</translation>
    </message>
    <message>
        <source>&amp;Listen to One Turn</source>
        <comment>View menu: the point goes once round the circle with the tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>É&amp;couter un tour</translation>
    </message>
</context>
<context>
    <name>OrbelView</name>
    <message>
        <source>Drag the point, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Faites glisser le point, ou utilisez les touches fléchées, Page précédente, Page suivante et Début, pour modifier l’angle thêta.</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>Read aloud before a negative angle or value: &quot;minus 5 pi over 6&quot;, &quot;minus 0.362&quot;.</extracomment>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction read aloud: &quot;3 pi over 4&quot;, &quot;root 3 over 2&quot;, &quot;1 over 2&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>racine de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n degrees</source>
        <extracomment>An angle in whole degrees read aloud: &quot;90 degrees&quot;, &quot;1 degree&quot;.</extracomment>
        <translation>
            <numerusform>%n degré</numerusform>
            <numerusform>%n degrés</numerusform>
        </translation>
    </message>
    <message>
        <source>pi</source>
        <extracomment>The number pi read aloud, alone (&quot;pi over 2&quot;) or after a whole multiple (&quot;3 pi over 4&quot;).</extracomment>
        <translation>pi</translation>
    </message>
    <message>
        <source>%1 pi</source>
        <translation>%1 pi</translation>
    </message>
    <message>
        <source>%1 radians</source>
        <extracomment>An angle in radians read aloud; %1 is the number as the figure shows it: &quot;1.20 radians&quot;.</extracomment>
        <translation>%1 radians</translation>
    </message>
    <message>
        <source>theta %1, cosine %2, sine %3</source>
        <extracomment>What a screen reader says of the figure: the angle theta, its cosine and its sine, each in words: &quot;theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2&quot;.</extracomment>
        <translation>thêta %1, cosinus %2, sinus %3</translation>
    </message>
    <message>
        <source>Unit circle</source>
        <extracomment>What a screen reader calls the figure.</extracomment>
        <translation>Cercle trigonométrique</translation>
    </message>
</context>
</TS>
