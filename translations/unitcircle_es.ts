<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Controller</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved.

%2</source>
        <translation>No se pudo guardar el archivo «%1».

%2</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Exportar figura</translation>
    </message>
    <message>
        <source>Unit Circle.png</source>
        <extracomment>The file name that the export dialog proposes for the figure.</extracomment>
        <translation>Circunferencia unitaria.png</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfica</translation>
    </message>
    <message>
        <source>Unit Circle graph.png</source>
        <extracomment>The file name that the export dialog proposes for the graph.</extracomment>
        <translation>Circunferencia unitaria - gráfica.png</translation>
    </message>
    <message>
        <source>Unit Circle</source>
        <extracomment>The print job&apos;s title: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Circunferencia unitaria</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>Unit Circle</source>
        <translation>Circunferencia unitaria</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>No se pudo crear el dibujo.</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Press or drag along the graph, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Pulse o arrastre a lo largo de la gráfica, o use las teclas de flecha, Retroceder página, Avanzar página e Inicio, para cambiar el ángulo theta.</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>Written on the graph after &quot;tan(θ)&quot; where the tangent has no value (at ±π∕2, ±3π∕2).</extracomment>
        <translation>no definida</translation>
    </message>
    <message>
        <source>Graph of the cosine, the sine and the tangent</source>
        <extracomment>What a screen reader calls the graph; it begins with the word for a graph.</extracomment>
        <translation>Gráfica del coseno, el seno y la tangente</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unit Circle</source>
        <translation>Circunferencia unitaria</translation>
    </message>
    <message>
        <source>Curves:</source>
        <translation>Curvas:</translation>
    </message>
    <message>
        <source>c&amp;os θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>c&amp;os θ</translation>
    </message>
    <message>
        <source>Draw the curve of the cosine of theta</source>
        <translation>Dibujar la curva del coseno de theta</translation>
    </message>
    <message>
        <source>s&amp;in θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;sen θ</translation>
    </message>
    <message>
        <source>Draw the curve of the sine of theta</source>
        <translation>Dibujar la curva del seno de theta</translation>
    </message>
    <message>
        <source>&amp;tan θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;tan θ</translation>
    </message>
    <message>
        <source>Draw the curve of the tangent of theta, with its asymptotes</source>
        <translation>Dibujar la curva de la tangente de theta, con sus asíntotas</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unidad de ángulo</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Radianes</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Gra&amp;dos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Mark and name the multiples of π∕6 and π∕4 on the circle</source>
        <translation>Marcar y nombrar los múltiplos de π∕6 y de π∕4 en la circunferencia</translation>
    </message>
    <message>
        <source>Mark and name the multiples of pi over 6 and pi over 4 on the circle</source>
        <translation>Marcar y nombrar los múltiplos de pi sobre 6 y de pi sobre 4 en la circunferencia</translation>
    </message>
    <message>
        <source>&amp;Standard angles</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ángulos &amp;notables</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show θ, cos θ and sin θ in a panel</source>
        <translation>Proyectar el punto sobre los ejes y mostrar θ, cos θ y sen θ en un panel</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show theta, cosine theta and sine theta in a panel</source>
        <translation>Proyectar el punto sobre los ejes y mostrar theta, coseno de theta y seno de theta en un panel</translation>
    </message>
    <message>
        <source>&amp;Cosine and sine</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Coseno y seno</translation>
    </message>
    <message>
        <source>Show cos θ, sin θ and tan θ against θ below the circle</source>
        <translation>Mostrar cos θ, sen θ y tan θ en función de θ debajo de la circunferencia</translation>
    </message>
    <message>
        <source>Show the graph of the cosine, the sine and the tangent of theta below the circle</source>
        <translation>Mostrar la gráfica del coseno, el seno y la tangente de theta debajo de la circunferencia</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Gráfica</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export Figure…</source>
        <translation>&amp;Exportar figura…</translation>
    </message>
    <message>
        <source>Export &amp;Graph…</source>
        <translation>Exportar &amp;gráfica…</translation>
    </message>
    <message>
        <source>&amp;Copy Figure</source>
        <translation>&amp;Copiar figura</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Unit Circle &amp;ReadMe</source>
        <translation>&amp;Léame de Circunferencia unitaria</translation>
    </message>
    <message>
        <source>&amp;Marvo Software Web Site</source>
        <translation>Sitio &amp;web de Marvo Software</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Sound is unavailable</source>
        <comment>In the Sound menu when there is no sound device or sound server</comment>
        <translation>Sonido no disponible</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>Sound menu: no tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;Sine</source>
        <comment>Sound menu: the pitch follows the sine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Seno</translation>
    </message>
    <message>
        <source>&amp;Cosine</source>
        <comment>Sound menu: the pitch follows the cosine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Coseno</translation>
    </message>
    <message>
        <source>&amp;Tangent</source>
        <comment>Sound menu: the pitch follows the tangent. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Tangente</translation>
    </message>
    <message>
        <source>&amp;Listen to One Turn</source>
        <comment>View menu: the point goes once round the circle with the tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Escuchar una vuelta</translation>
    </message>
</context>
<context>
    <name>OrbelView</name>
    <message>
        <source>Drag the point, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Arrastre el punto, o use las teclas de flecha, Retroceder página, Avanzar página e Inicio, para cambiar el ángulo theta.</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>Read aloud before a negative angle or value: &quot;minus 5 pi over 6&quot;, &quot;minus 0.362&quot;.</extracomment>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction read aloud: &quot;3 pi over 4&quot;, &quot;root 3 over 2&quot;, &quot;1 over 2&quot;.</extracomment>
        <translation>%1 sobre %2</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>raíz de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n degrees</source>
        <extracomment>An angle in whole degrees read aloud: &quot;90 degrees&quot;, &quot;1 degree&quot;.</extracomment>
        <translation>
            <numerusform>%n grado</numerusform>
            <numerusform>%n grados</numerusform>
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
        <translation>%1 radianes</translation>
    </message>
    <message>
        <source>theta %1, cosine %2, sine %3</source>
        <extracomment>What a screen reader says of the figure: the angle theta, its cosine and its sine, each in words: &quot;theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2&quot;.</extracomment>
        <translation>theta %1, coseno %2, seno %3</translation>
    </message>
    <message>
        <source>Unit circle</source>
        <extracomment>What a screen reader calls the figure.</extracomment>
        <translation>Circunferencia unitaria</translation>
    </message>
</context>
</TS>
