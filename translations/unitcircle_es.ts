<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Not an angle. Type an angle such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees.</source>
        <extracomment>What a screen reader says when what was typed is not an angle; like the message shown, in words.</extracomment>
        <translation>No es un ángulo. Escriba un ángulo como 3 pi sobre 4, 2 pi, 1,2, 135 grados o menos 90 grados.</translation>
    </message>
    <message>
        <source>shown as the coterminal angle %1</source>
        <extracomment>Below the angle field when an angle beyond a full turn was brought in by whole turns.</extracomment>
        <translation>se muestra como el ángulo coterminal %1</translation>
    </message>
    <message>
        <source>Type an angle, such as 3π/4, 2pi, 1.2, 135° or −90 deg, and press Return</source>
        <translation>Escriba un ángulo, como 3π/4, 2pi, 1,2, 135° o −90 deg, y pulse Intro</translation>
    </message>
    <message>
        <source>Type an angle such as 3π/4, 2pi, −5π/6, 1.2, 135° or −90 deg.</source>
        <extracomment>Below the angle field when what was typed is not an angle.</extracomment>
        <translation>Escriba un ángulo como 3π/4, 2pi, −5π/6, 1,2, 135° o −90 deg.</translation>
    </message>
    <message>
        <source>Type an angle, such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees, and press Return</source>
        <extracomment>The angle field&apos;s tool tip as a screen reader says it.</extracomment>
        <translation>Escriba un ángulo, como 3 pi sobre 4, 2 pi, 1,2, 135 grados o menos 90 grados, y pulse Intro</translation>
    </message>
    <message>
        <source>That is too long for an angle: the field takes at most %1 characters.</source>
        <extracomment>Beside the angle field when the user pastes or types more than it takes.</extracomment>
        <translation>Es demasiado largo para un ángulo: el campo admite como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Too long for an angle. The field takes at most %1 characters.</source>
        <extracomment>What a screen reader says when the text pasted into the angle field was refused as too long.</extracomment>
        <translation>Demasiado largo para un ángulo. El campo admite como máximo %1 caracteres.</translation>
    </message>
</context>
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
    <message>
        <source>The ReadMe could not be found.</source>
        <translation>No se encontró el archivo Léame.</translation>
    </message>
    <message>
        <source>It belongs beside the program, in “%1”, or in the folder share/unitcircle beside that folder. Installing Unit Circle again puts it back.</source>
        <extracomment>%1 is the folder that holds the program.</extracomment>
        <translation>Debe estar junto al programa, en «%1», o en la carpeta share/unitcircle junto a esa carpeta. Si vuelve a instalar Circunferencia unitaria, volverá a estar allí.</translation>
    </message>
    <message>
        <source>The ReadMe could not be opened.</source>
        <translation>No se pudo abrir el archivo Léame.</translation>
    </message>
    <message>
        <source>No program on this computer opened “%1”. Open it with a program that reads RTF documents, such as a word processor.</source>
        <extracomment>%1 is the full path of the ReadMe file.</extracomment>
        <translation>Ningún programa de este equipo abrió «%1». Ábralo con un programa que lea documentos RTF, como un procesador de textos.</translation>
    </message>
    <message>
        <source>The web site could not be opened.</source>
        <translation>No se pudo abrir el sitio web.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1. Type the address into a browser to visit it.</source>
        <extracomment>%1 is the address of the web site.</extracomment>
        <translation>Ningún navegador web de este equipo abrió %1. Escriba la dirección en un navegador para visitarlo.</translation>
    </message>
    <message>
        <source>Unit Circle Graph</source>
        <extracomment>The title of the print job of the graph: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Circunferencia unitaria – gráfica</translation>
    </message>
    <message>
        <source>Your choices could not be read.</source>
        <translation>No se pudieron leer sus preferencias.</translation>
    </message>
    <message>
        <source>“%1” is far larger than a file of choices, so it was not read. Unit Circle starts with its usual settings and puts your choices in its place when you change them.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>«%1» es mucho más grande que un archivo de preferencias, así que no se leyó. Circunferencia unitaria empieza con sus ajustes habituales y guarda allí sus preferencias cuando las cambie.</translation>
    </message>
    <message>
        <source>“%1” is not a file. Unit Circle starts with its usual settings, and the choices you make now will not be kept. Remove what stands in its place to keep them again.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>«%1» no es un archivo. Circunferencia unitaria empieza con sus ajustes habituales, y las preferencias que elija ahora no se guardarán. Quite lo que ocupa su lugar para que vuelvan a guardarse.</translation>
    </message>
    <message>
        <source>Your choices could not be saved.</source>
        <translation>No se pudieron guardar sus preferencias.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the file or its folder is read-only.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>No se puede escribir «%1»: el archivo o su carpeta son de solo lectura.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the disk is full.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>No se puede escribir «%1»: el disco está lleno.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: something that is not a file or folder stands in its way.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>No se puede escribir «%1»: algo que no es un archivo ni una carpeta ocupa su camino.</translation>
    </message>
    <message>
        <source>“%1” cannot be written.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>No se puede escribir «%1».</translation>
    </message>
    <message>
        <source>Unit Circle runs on, but the choices you make will be lost when it quits.</source>
        <translation>Circunferencia unitaria sigue funcionando, pero las preferencias que elija se perderán al salir.</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>La impresora no acepta trabajos.</translation>
    </message>
    <message>
        <source>The printer is stopped, so nothing was sent to it. Start it again, then print once more.</source>
        <translation>La impresora está detenida, así que no se le envió nada. Vuelva a iniciarla e imprima otra vez.</translation>
    </message>
    <message>
        <source>The printer no longer exists. Choose another printer.</source>
        <translation>La impresora ya no existe. Elija otra impresora.</translation>
    </message>
    <message>
        <source>The print system cannot be reached.</source>
        <translation>No se puede acceder al sistema de impresión.</translation>
    </message>
    <message>
        <source>The page could not be made for this paper and printer.</source>
        <translation>No se pudo preparar la página para este papel y esta impresora.</translation>
    </message>
    <message>
        <source>The print system did not take the job.</source>
        <translation>El sistema de impresión no aceptó el trabajo.</translation>
    </message>
    <message>
        <source>Nothing was printed on “%1”.</source>
        <extracomment>%1 is the name of the printer, or of the file printed to.</extracomment>
        <translation>No se imprimió nada en «%1».</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Exportar progreso</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>The file type of an exported progress, for a spreadsheet.</extracomment>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unit Circle progress.csv</source>
        <extracomment>The file name that the export dialog proposes for the progress.</extracomment>
        <translation>Circunferencia unitaria - progreso.csv</translation>
    </message>
    <message>
        <source>Reset Progress</source>
        <translation>Restablecer progreso</translation>
    </message>
    <message>
        <source>Forget every answer you have given in practice?</source>
        <translation>¿Olvidar todas las respuestas que ha dado en la práctica?</translation>
    </message>
    <message>
        <source>All skills start again as new. This cannot be undone; export your progress first to keep it.</source>
        <translation>Todas las destrezas vuelven a empezar como nuevas. Esto no se puede deshacer; exporte antes su progreso para conservarlo.</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that clears the practice history.</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Your practice history could not be cleared. Nothing was forgotten.</source>
        <translation>No se pudo borrar su historial de práctica. No se ha olvidado nada.</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>La impresión no está disponible.</translation>
    </message>
    <message>
        <source>The part of Unit Circle that prints could not be loaded. Reinstalling the program may bring it back.</source>
        <translation>No se pudo cargar la parte de Unit Circle que imprime. Reinstalar el programa puede recuperarla.</translation>
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
    <message>
        <source>SVG export is not available: the part of Unit Circle that writes SVG could not be loaded (%1).</source>
        <translation>La exportación a SVG no está disponible: no se pudo cargar la parte de Unit Circle que escribe SVG (%1).</translation>
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
    <message>
        <source>theta %1</source>
        <extracomment>What a screen reader says of the graph, first the angle: &quot;theta pi over 3&quot;.</extracomment>
        <translation>theta %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <extracomment>The value of the cosine curve at the angle, read aloud: &quot;cosine 1 over 2&quot;.</extracomment>
        <translation>coseno %1</translation>
    </message>
    <message>
        <source>sine %1</source>
        <extracomment>The value of the sine curve at the angle, read aloud: &quot;sine root 3 over 2&quot;.</extracomment>
        <translation>seno %1</translation>
    </message>
    <message>
        <source>tangent %1</source>
        <extracomment>The value of the tangent curve at the angle, read aloud: &quot;tangent root 3&quot;, &quot;tangent undefined&quot;.</extracomment>
        <translation>tangente %1</translation>
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
        <source>Show sin θ, cos θ, tan θ, cot θ, sec θ and csc θ, the quadrant and the reference angle beside the circle</source>
        <translation>Mostrar sen θ, cos θ, tan θ, cot θ, sec θ y csc θ, el cuadrante y el ángulo de referencia junto a la circunferencia</translation>
    </message>
    <message>
        <source>Show the six circular functions of theta, the quadrant and the reference angle beside the circle</source>
        <translation>Mostrar las seis funciones trigonométricas de theta, el cuadrante y el ángulo de referencia junto a la circunferencia</translation>
    </message>
    <message>
        <source>Va&amp;lues</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ta&amp;bla de valores</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ángu&amp;lo</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Valores</translation>
    </message>
    <message>
        <source>Print G&amp;raph…</source>
        <translation>Imprimir g&amp;ráfica…</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>P&amp;ráctica</translation>
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
    <message>
        <source>Pr&amp;ogress</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Pr&amp;ogreso</translation>
    </message>
    <message>
        <source>Export Pr&amp;ogress…</source>
        <comment>File menu: writes the progress per skill to a CSV file for a teacher. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Exportar pr&amp;ogreso…</translation>
    </message>
    <message>
        <source>Rese&amp;t Progress…</source>
        <comment>File menu: forgets every answer kept, after asking. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Res&amp;tablecer progreso…</translation>
    </message>
    <message>
        <source>Pro&amp;jector Mode</source>
        <comment>View menu: thick lines, large texts and deep colours for a class. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Modo pro&amp;yector</translation>
    </message>
    <message>
        <source>Larger &amp;Text</source>
        <comment>View menu: the texts of the figure, the graph and the panels one step larger. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Te&amp;xto más grande</translation>
    </message>
    <message>
        <source>Smaller Te&amp;xt</source>
        <comment>View menu: the texts one step smaller. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Texto más pe&amp;queño</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <comment>View menu: the texts back to their usual size. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Reverse Contrast</source>
        <comment>View menu: the figure and the graph light on a dark ground. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Contraste &amp;invertido</translation>
    </message>
    <message>
        <source>Angle &amp;Unit</source>
        <comment>View menu: the unit in which angles are named. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Unidad de ángulo</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>Angle Unit menu: angles named in radians. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Radianes</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>Angle Unit menu: angles named in degrees. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Gra&amp;dos</translation>
    </message>
    <message>
        <source>St&amp;andard Angles</source>
        <comment>View menu: marks and names the multiples of pi/6 and pi/4 on the circle. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Ángu&amp;los notables</translation>
    </message>
    <message>
        <source>&amp;Cosine and Sine</source>
        <comment>View menu: the projections of the point and the panel of theta, cos and sin. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Coseno y seno</translation>
    </message>
    <message>
        <source>Typ&amp;e an Angle</source>
        <comment>View menu: puts the keyboard focus in the field where an angle is typed. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Escri&amp;bir un ángulo</translation>
    </message>
    <message>
        <source>Graph shown</source>
        <extracomment>Said by a screen reader when View &gt; Graph is chosen by its key or from the menu.</extracomment>
        <translation>Gráfica visible</translation>
    </message>
    <message>
        <source>Graph hidden</source>
        <translation>Gráfica oculta</translation>
    </message>
    <message>
        <source>Values shown</source>
        <extracomment>Said by a screen reader when View &gt; Values is chosen by its key or from the menu.</extracomment>
        <translation>Valores visibles</translation>
    </message>
    <message>
        <source>Values hidden</source>
        <translation>Valores ocultos</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The file %1 is missing.</source>
        <extracomment>%1 is the file name of a part of the program, such as unitcircle-print.so.</extracomment>
        <translation>Falta el archivo %1.</translation>
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
        <extracomment>The square root of a number read aloud: &quot;root 3&quot; in &quot;root 3 over 2&quot;.</extracomment>
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
    <message>
        <source>%1 root %2</source>
        <extracomment>A whole number times a square root read aloud: &quot;2 root 3&quot; in &quot;2 root 3 over 3&quot;.</extracomment>
        <translation>%1 raíz de %2</translation>
    </message>
    <message>
        <source>cosine %1, sine %2</source>
        <extracomment>What a screen reader says of the figure while a practice question asks for the angle: the point&apos;s coordinates only, &quot;cosine minus 1 over 2, sine root 3 over 2&quot;.</extracomment>
        <translation>coseno %1, seno %2</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <comment>with decimals</comment>
        <translation>%1 grados</translation>
    </message>
</context>
<context>
    <name>PracticeHistory</name>
    <message>
        <source>it is not a practice history</source>
        <translation>no es un historial de práctica</translation>
    </message>
    <message>
        <source>Practice goes on, but your answers are not kept.</source>
        <extracomment>Ends a message that says why the practice history cannot be used.</extracomment>
        <translation>Puede seguir practicando, pero sus respuestas no se guardan.</translation>
    </message>
    <message>
        <source>Your practice history could not be opened.</source>
        <translation>No se pudo abrir su historial de práctica.</translation>
    </message>
    <message>
        <source>The folder “%1” could not be made.</source>
        <extracomment>%1 is the full path of the practice history&apos;s folder.</extracomment>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>Your practice history is in use.</source>
        <translation>Su historial de práctica está en uso.</translation>
    </message>
    <message>
        <source>Another program holds “%1”.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>Otro programa tiene bloqueado «%1».</translation>
    </message>
    <message>
        <source>Your practice history was written by a newer version of Unit Circle.</source>
        <translation>Su historial de práctica fue escrito por una versión más reciente de Circunferencia unitaria.</translation>
    </message>
    <message>
        <source>“%1” is left as it is.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>«%1» se deja tal como está.</translation>
    </message>
    <message>
        <source>Your practice history is damaged.</source>
        <translation>Su historial de práctica está dañado.</translation>
    </message>
    <message>
        <source>“%1” could not be moved aside: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>No se pudo apartar «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be read. It is kept as “%2”, and a new history is started.</source>
        <extracomment>%1 is the full path of the practice history, %2 where the damaged one was kept.</extracomment>
        <translation>No se pudo leer «%1». Se conserva como «%2» y se empieza un historial nuevo.</translation>
    </message>
    <message>
        <source>Your answer could not be kept.</source>
        <translation>No se pudo guardar su respuesta.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>Practice goes on, but the answers you give now may not be kept.</source>
        <translation>Puede seguir practicando, pero es posible que las respuestas que dé ahora no se guarden.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <extracomment>The title of the practice panel.</extracomment>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks where the point is, for a question answered by moving it.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>New Round</source>
        <translation>Nueva ronda</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The answer for a tangent that has no value, as at π∕2.</extracomment>
        <translation>no definida</translation>
    </message>
    <message>
        <source>What is the sine of %1?</source>
        <translation>¿Cuánto vale el seno de %1?</translation>
    </message>
    <message>
        <source>What is the cosine of %1?</source>
        <translation>¿Cuánto vale el coseno de %1?</translation>
    </message>
    <message>
        <source>What is the tangent of %1?</source>
        <translation>¿Cuánto vale la tangente de %1?</translation>
    </message>
    <message>
        <source>Move the point to %1.</source>
        <extracomment>A question answered by moving the point: &quot;Move the point to −3π∕4.&quot;</extracomment>
        <translation>Lleve el punto a %1.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is positive.</source>
        <translation>Lleve el punto al ángulo entre 0 y %1 cuyo seno es %2 y cuyo coseno es positivo.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is negative.</source>
        <translation>Lleve el punto al ángulo entre 0 y %1 cuyo seno es %2 y cuyo coseno es negativo.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is positive.</source>
        <translation>Lleve el punto al ángulo entre 0 y %1 cuyo coseno es %2 y cuyo seno es positivo.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is negative.</source>
        <translation>Lleve el punto al ángulo entre 0 y %1 cuyo coseno es %2 y cuyo seno es negativo.</translation>
    </message>
    <message>
        <source>Round over: %1 of %2 right</source>
        <translation>Ronda terminada: %1 de %2 correctas</translation>
    </message>
    <message>
        <source>Question %1 of %2, %3 right</source>
        <extracomment>The score while a round runs: &quot;Question 3 of 10, 2 right&quot;.</extracomment>
        <translation>Pregunta %1 de %2, %3 correctas</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said at once after a right answer.</extracomment>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Practise Missed</source>
        <extracomment>Starts a round of the questions missed in the round just over.</extracomment>
        <translation>Practicar las falladas</translation>
    </message>
    <message>
        <source>What is the cotangent of %1?</source>
        <translation>¿Cuánto vale la cotangente de %1?</translation>
    </message>
    <message>
        <source>What is the secant of %1?</source>
        <translation>¿Cuánto vale la secante de %1?</translation>
    </message>
    <message>
        <source>What is the cosecant of %1?</source>
        <translation>¿Cuánto vale la cosecante de %1?</translation>
    </message>
    <message>
        <source>sin %1</source>
        <extracomment>A function of an angle as written: &quot;sin π∕3&quot;; &quot;sen %1&quot; where schools write it so.</extracomment>
        <translation>sen %1</translation>
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
        <translation>el seno de %1</translation>
    </message>
    <message>
        <source>the cosine of %1</source>
        <translation>el coseno de %1</translation>
    </message>
    <message>
        <source>the tangent of %1</source>
        <translation>la tangente de %1</translation>
    </message>
    <message>
        <source>the cotangent of %1</source>
        <translation>la cotangente de %1</translation>
    </message>
    <message>
        <source>the secant of %1</source>
        <translation>la secante de %1</translation>
    </message>
    <message>
        <source>the cosecant of %1</source>
        <translation>la cosecante de %1</translation>
    </message>
    <message>
        <source>%1 is undefined</source>
        <extracomment>A function that has no value at an angle: &quot;tan π∕2 is undefined&quot;.</extracomment>
        <translation>%1 no tiene valor</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>A function&apos;s value read aloud: &quot;the sine of pi over 3 is root 3 over 2&quot;.</extracomment>
        <translation>%1 vale %2</translation>
    </message>
    <message>
        <source>the positive x axis</source>
        <translation>el semieje x positivo</translation>
    </message>
    <message>
        <source>the positive y axis</source>
        <translation>el semieje y positivo</translation>
    </message>
    <message>
        <source>the negative x axis</source>
        <translation>el semieje x negativo</translation>
    </message>
    <message>
        <source>the negative y axis</source>
        <translation>el semieje y negativo</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point is (%3, %4), so %5.</source>
        <extracomment>Why a value on an axis is what it is: &quot;3π∕2 lies on the negative y axis, where the point is (0, −1), so sin 3π∕2 = −1.&quot;</extracomment>
        <translation>%1 está sobre %2, donde el punto es (%3, %4), así que %5.</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point has the coordinates %3 and %4, so %5.</source>
        <extracomment>The same read aloud.</extracomment>
        <translation>%1 está sobre %2, donde el punto tiene las coordenadas %3 y %4, así que %5.</translation>
    </message>
    <message>
        <source>where the sine is positive</source>
        <translation>donde el seno es positivo</translation>
    </message>
    <message>
        <source>where the sine is negative</source>
        <translation>donde el seno es negativo</translation>
    </message>
    <message>
        <source>where the cosine is positive</source>
        <translation>donde el coseno es positivo</translation>
    </message>
    <message>
        <source>where the cosine is negative</source>
        <translation>donde el coseno es negativo</translation>
    </message>
    <message>
        <source>where the tangent is positive</source>
        <translation>donde la tangente es positiva</translation>
    </message>
    <message>
        <source>where the tangent is negative</source>
        <translation>donde la tangente es negativa</translation>
    </message>
    <message>
        <source>where the cotangent is positive</source>
        <translation>donde la cotangente es positiva</translation>
    </message>
    <message>
        <source>where the cotangent is negative</source>
        <translation>donde la cotangente es negativa</translation>
    </message>
    <message>
        <source>where the secant is positive</source>
        <translation>donde la secante es positiva</translation>
    </message>
    <message>
        <source>where the secant is negative</source>
        <translation>donde la secante es negativa</translation>
    </message>
    <message>
        <source>where the cosecant is positive</source>
        <translation>donde la cosecante es positiva</translation>
    </message>
    <message>
        <source>where the cosecant is negative</source>
        <translation>donde la cosecante es negativa</translation>
    </message>
    <message>
        <source>%1 lies in quadrant %2, %3; its reference angle is %4 and %5, so %6.</source>
        <extracomment>Why a value is what it is: &quot;4π∕3 lies in quadrant III, where the sine is negative; its reference angle is π∕3 and sin π∕3 = √3∕2, so sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>%1 está en el cuadrante %2, %3; su ángulo de referencia es %4 y %5, así que %6.</translation>
    </message>
    <message>
        <source>The point is now at %1, on %2: %3 and %4.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 3π∕2, on the negative y axis: cos 3π∕2 = 0 and sin 3π∕2 = −1.&quot;</extracomment>
        <translation>El punto está ahora en %1, sobre %2: %3 y %4.</translation>
    </message>
    <message>
        <source>The point is now at %1, in quadrant %2, with the reference angle %3: %4 and %5.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 4π∕3, in quadrant III, with the reference angle π∕3: cos 4π∕3 = −1∕2 and sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>El punto está ahora en %1, en el cuadrante %2, con el ángulo de referencia %3: %4 y %5.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <extracomment>Said at once after a wrong answer, with why the right one is right: &quot;Not quite. 4π∕3 lies in quadrant III, where the sine is negative; …&quot;</extracomment>
        <translation>No exactamente. %1</translation>
    </message>
    <message>
        <source>You answered %1; the answer is %2.</source>
        <extracomment>A miss in the round&apos;s summary, after the question: &quot;You answered 1∕2; the answer is −√3∕2.&quot;</extracomment>
        <translation>Respondió %1; la respuesta es %2.</translation>
    </message>
    <message>
        <source>, your answer</source>
        <extracomment>Added to the accessible name of the answer button the student pressed.</extracomment>
        <translation>, su respuesta</translation>
    </message>
    <message>
        <source>, right answer</source>
        <extracomment>Added to the accessible name of the answer button with the right answer.</extracomment>
        <translation>, respuesta correcta</translation>
    </message>
    <message>
        <source>Start a new round?</source>
        <extracomment>Asked when New Round is pressed during a round with answers.</extracomment>
        <translation>¿Empezar una ronda nueva?</translation>
    </message>
    <message>
        <source>The answers given in this round will be lost.</source>
        <translation>Se perderán las respuestas dadas en esta ronda.</translation>
    </message>
    <message>
        <source>Start New Round</source>
        <translation>Empezar ronda nueva</translation>
    </message>
    <message>
        <source>Go On with This Round</source>
        <translation>Seguir con esta ronda</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Progress</source>
        <extracomment>The title of the progress panel.</extracomment>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Secante</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosecante</translation>
    </message>
    <message>
        <source>Placing angles</source>
        <extracomment>The choice of the progress panel that shows where the angles lie.</extracomment>
        <translation>Situar ángulos</translation>
    </message>
    <message>
        <source>Progress of</source>
        <extracomment>The accessible name of the progress panel&apos;s choice of function.</extracomment>
        <translation>Progreso en</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>A skill never practised.</extracomment>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en aprendizaje</translation>
    </message>
    <message>
        <source>familiar</source>
        <translation>familiar</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>dominado</translation>
    </message>
    <message>
        <source>placing %1</source>
        <extracomment>A skill in the progress panel: placing an angle on the circle, &quot;placing 3π∕2&quot;.</extracomment>
        <translation>situar %1</translation>
    </message>
    <message>
        <source>sin %1</source>
        <translation>sen %1</translation>
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
        <translation>seno de %1</translation>
    </message>
    <message>
        <source>cosine at %1</source>
        <translation>coseno de %1</translation>
    </message>
    <message>
        <source>tangent at %1</source>
        <translation>tangente de %1</translation>
    </message>
    <message>
        <source>cotangent at %1</source>
        <translation>cotangente de %1</translation>
    </message>
    <message>
        <source>secant at %1</source>
        <translation>secante de %1</translation>
    </message>
    <message>
        <source>cosecant at %1</source>
        <translation>cosecante de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A skill and its level read aloud: &quot;sine at 2 pi over 3: mastered&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong</source>
        <translation>%1 correctas, %2 incorrectas</translation>
    </message>
    <message>
        <source>sin</source>
        <translation>sen</translation>
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
        <translation>situar</translation>
    </message>
    <message>
        <source>%1: %2 mastered, %3 familiar, %4 learning, %5 new</source>
        <extracomment>The levels counted for one function, read aloud: &quot;Sine: 3 mastered, 2 familiar, 5 learning, 6 new&quot;.</extracomment>
        <translation>%1: %2 dominados, %3 familiares, %4 en aprendizaje, %5 nuevos</translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation>Ahora no hay nada pendiente.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the skills named as due: &quot;and 4 more&quot;.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Due now (%1): %2</source>
        <extracomment>What the next rounds ask first: &quot;Due now (3): sec 4π∕3 (learning), …&quot;.</extracomment>
        <translation>Pendiente ahora (%1): %2</translation>
    </message>
</context>
<context>
    <name>TurnSweep</name>
    <message>
        <source>one turn from %1</source>
        <extracomment>Said by the screen reader as Listen to One Turn begins: &quot;one turn from pi over 6&quot;.</extracomment>
        <translation>una vuelta desde %1</translation>
    </message>
    <message>
        <source>back at %1</source>
        <extracomment>Said by the screen reader when Listen to One Turn is over: &quot;back at pi over 6&quot;.</extracomment>
        <translation>de nuevo en %1</translation>
    </message>
</context>
<context>
    <name>ValuesPanel</name>
    <message>
        <source>sin θ = %1</source>
        <extracomment>A line of the values panel; &quot;sen θ&quot; where schools write it so.</extracomment>
        <translation>sen θ = %1</translation>
    </message>
    <message>
        <source>sine %1</source>
        <translation>seno %1</translation>
    </message>
    <message>
        <source>cos θ = %1</source>
        <translation>cos θ = %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <translation>coseno %1</translation>
    </message>
    <message>
        <source>tan θ = %1</source>
        <translation>tan θ = %1</translation>
    </message>
    <message>
        <source>tangent %1</source>
        <translation>tangente %1</translation>
    </message>
    <message>
        <source>cot θ = %1</source>
        <translation>cot θ = %1</translation>
    </message>
    <message>
        <source>cotangent %1</source>
        <translation>cotangente %1</translation>
    </message>
    <message>
        <source>sec θ = %1</source>
        <translation>sec θ = %1</translation>
    </message>
    <message>
        <source>secant %1</source>
        <translation>secante %1</translation>
    </message>
    <message>
        <source>csc θ = %1</source>
        <translation>csc θ = %1</translation>
    </message>
    <message>
        <source>cosecant %1</source>
        <translation>cosecante %1</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The value of a function where it has none, as at tan(π∕2).</extracomment>
        <translation>no definida</translation>
    </message>
    <message>
        <source>On the positive x axis</source>
        <translation>Sobre el semieje x positivo</translation>
    </message>
    <message>
        <source>On the positive y axis</source>
        <translation>Sobre el semieje y positivo</translation>
    </message>
    <message>
        <source>On the negative x axis</source>
        <translation>Sobre el semieje x negativo</translation>
    </message>
    <message>
        <source>On the negative y axis</source>
        <translation>Sobre el semieje y negativo</translation>
    </message>
    <message>
        <source>Quadrant %1</source>
        <extracomment>Where the point lies; %1 is a Roman numeral, I to IV.</extracomment>
        <translation>Cuadrante %1</translation>
    </message>
    <message>
        <source>quadrant %1</source>
        <extracomment>The quadrant read aloud; %1 is its number, 1 to 4.</extracomment>
        <translation>cuadrante %1</translation>
    </message>
    <message>
        <source>Reference angle %1</source>
        <extracomment>The reference angle, the acute angle between the radius and the x axis: &quot;Reference angle π∕3&quot;.</extracomment>
        <translation>Ángulo de referencia %1</translation>
    </message>
    <message>
        <source>reference angle %1</source>
        <extracomment>The reference angle read aloud: &quot;reference angle pi over 3&quot;.</extracomment>
        <translation>ángulo de referencia %1</translation>
    </message>
</context>
</TS>
