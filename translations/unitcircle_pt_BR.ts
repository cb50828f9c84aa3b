<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Not an angle. Type an angle such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees.</source>
        <extracomment>What a screen reader says when what was typed is not an angle; like the message shown, in words.</extracomment>
        <translation>Não é um ângulo. Digite um ângulo como 3 pi sobre 4, 2 pi, 1,2, 135 graus ou menos 90 graus.</translation>
    </message>
    <message>
        <source>shown as the coterminal angle %1</source>
        <extracomment>Below the angle field when an angle beyond a full turn was brought in by whole turns.</extracomment>
        <translation>mostrado como o ângulo côngruo %1</translation>
    </message>
    <message>
        <source>Type an angle, such as 3π/4, 2pi, 1.2, 135° or −90 deg, and press Return</source>
        <translation>Digite um ângulo, como 3π/4, 2pi, 1,2, 135° ou −90 deg, e tecle Enter</translation>
    </message>
    <message>
        <source>Type an angle such as 3π/4, 2pi, −5π/6, 1.2, 135° or −90 deg.</source>
        <extracomment>Below the angle field when what was typed is not an angle.</extracomment>
        <translation>Digite um ângulo como 3π/4, 2pi, −5π/6, 1,2, 135° ou −90 deg.</translation>
    </message>
    <message>
        <source>Type an angle, such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees, and press Return</source>
        <extracomment>The angle field&apos;s tool tip as a screen reader says it.</extracomment>
        <translation>Digite um ângulo, como 3 pi sobre 4, 2 pi, 1,2, 135 graus ou menos 90 graus, e tecle Enter</translation>
    </message>
    <message>
        <source>That is too long for an angle: the field takes at most %1 characters.</source>
        <extracomment>Beside the angle field when the user pastes or types more than it takes.</extracomment>
        <translation>É longo demais para um ângulo: o campo aceita no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Too long for an angle. The field takes at most %1 characters.</source>
        <extracomment>What a screen reader says when the text pasted into the angle field was refused as too long.</extracomment>
        <translation>Longo demais para um ângulo. O campo aceita no máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved.

%2</source>
        <translation>Não foi possível salvar o arquivo “%1”.

%2</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Exportar figura</translation>
    </message>
    <message>
        <source>Unit Circle.png</source>
        <extracomment>The file name that the export dialog proposes for the figure.</extracomment>
        <translation>Ciclo Trigonométrico.png</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>Unit Circle graph.png</source>
        <extracomment>The file name that the export dialog proposes for the graph.</extracomment>
        <translation>Gráfico do Ciclo Trigonométrico.png</translation>
    </message>
    <message>
        <source>Unit Circle</source>
        <extracomment>The print job&apos;s title: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Ciclo Trigonométrico</translation>
    </message>
    <message>
        <source>The ReadMe could not be found.</source>
        <translation>O arquivo Leia-me não foi encontrado.</translation>
    </message>
    <message>
        <source>It belongs beside the program, in “%1”, or in the folder share/unitcircle beside that folder. Installing Unit Circle again puts it back.</source>
        <extracomment>%1 is the folder that holds the program.</extracomment>
        <translation>Ele deve ficar ao lado do programa, em “%1”, ou na pasta share/unitcircle ao lado dessa pasta. Instalar o Ciclo Trigonométrico de novo o coloca de volta.</translation>
    </message>
    <message>
        <source>The ReadMe could not be opened.</source>
        <translation>Não foi possível abrir o arquivo Leia-me.</translation>
    </message>
    <message>
        <source>No program on this computer opened “%1”. Open it with a program that reads RTF documents, such as a word processor.</source>
        <extracomment>%1 is the full path of the ReadMe file.</extracomment>
        <translation>Nenhum programa deste computador abriu “%1”. Abra-o com um programa que leia documentos RTF, como um processador de texto.</translation>
    </message>
    <message>
        <source>The web site could not be opened.</source>
        <translation>Não foi possível abrir o site.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1. Type the address into a browser to visit it.</source>
        <extracomment>%1 is the address of the web site.</extracomment>
        <translation>Nenhum navegador deste computador abriu %1. Digite o endereço em um navegador para visitá-lo.</translation>
    </message>
    <message>
        <source>Unit Circle Graph</source>
        <extracomment>The title of the print job of the graph: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Ciclo Trigonométrico – gráfico</translation>
    </message>
    <message>
        <source>Your choices could not be read.</source>
        <translation>Não foi possível ler suas preferências.</translation>
    </message>
    <message>
        <source>“%1” is far larger than a file of choices, so it was not read. Unit Circle starts with its usual settings and puts your choices in its place when you change them.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>“%1” é muito maior que um arquivo de preferências, por isso não foi lido. Ciclo Trigonométrico começa com as configurações habituais e grava ali suas preferências quando você as alterar.</translation>
    </message>
    <message>
        <source>“%1” is not a file. Unit Circle starts with its usual settings, and the choices you make now will not be kept. Remove what stands in its place to keep them again.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>“%1” não é um arquivo. Ciclo Trigonométrico começa com as configurações habituais, e as preferências que você escolher agora não serão guardadas. Remova o que está no lugar dele para que voltem a ser guardadas.</translation>
    </message>
    <message>
        <source>Your choices could not be saved.</source>
        <translation>Não foi possível salvar suas preferências.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the file or its folder is read-only.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>Não é possível gravar “%1”: o arquivo ou a pasta dele é somente leitura.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the disk is full.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>Não é possível gravar “%1”: o disco está cheio.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: something that is not a file or folder stands in its way.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>Não é possível gravar “%1”: algo que não é arquivo nem pasta está no caminho.</translation>
    </message>
    <message>
        <source>“%1” cannot be written.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>Não é possível gravar “%1”.</translation>
    </message>
    <message>
        <source>Unit Circle runs on, but the choices you make will be lost when it quits.</source>
        <translation>Ciclo Trigonométrico continua funcionando, mas as preferências escolhidas serão perdidas ao sair.</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>A impressora não está aceitando trabalhos.</translation>
    </message>
    <message>
        <source>The printer is stopped, so nothing was sent to it. Start it again, then print once more.</source>
        <translation>A impressora está parada, por isso nada foi enviado a ela. Inicie-a de novo e imprima outra vez.</translation>
    </message>
    <message>
        <source>The printer no longer exists. Choose another printer.</source>
        <translation>A impressora não existe mais. Escolha outra impressora.</translation>
    </message>
    <message>
        <source>The print system cannot be reached.</source>
        <translation>Não é possível acessar o sistema de impressão.</translation>
    </message>
    <message>
        <source>The page could not be made for this paper and printer.</source>
        <translation>Não foi possível preparar a página para este papel e esta impressora.</translation>
    </message>
    <message>
        <source>The print system did not take the job.</source>
        <translation>O sistema de impressão não aceitou o trabalho.</translation>
    </message>
    <message>
        <source>Nothing was printed on “%1”.</source>
        <extracomment>%1 is the name of the printer, or of the file printed to.</extracomment>
        <translation>Nada foi impresso em “%1”.</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Exportar progresso</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>The file type of an exported progress, for a spreadsheet.</extracomment>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unit Circle progress.csv</source>
        <extracomment>The file name that the export dialog proposes for the progress.</extracomment>
        <translation>Progresso do Ciclo Trigonométrico.csv</translation>
    </message>
    <message>
        <source>Reset Progress</source>
        <translation>Redefinir progresso</translation>
    </message>
    <message>
        <source>Forget every answer you have given in practice?</source>
        <translation>Esquecer todas as respostas que você deu ao praticar?</translation>
    </message>
    <message>
        <source>All skills start again as new. This cannot be undone; export your progress first to keep it.</source>
        <translation>Todas as habilidades voltam a ser novas. Isso não pode ser desfeito; exporte seu progresso antes para guardá-lo.</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that clears the practice history.</extracomment>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Your practice history could not be cleared. Nothing was forgotten.</source>
        <translation>Não foi possível apagar seu histórico de prática. Nada foi esquecido.</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>A impressão não está disponível.</translation>
    </message>
    <message>
        <source>The part of Unit Circle that prints could not be loaded. Reinstalling the program may bring it back.</source>
        <translation>Não foi possível carregar a parte do Unit Circle que imprime. Reinstalar o programa pode recuperá-la.</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>Unit Circle</source>
        <translation>Ciclo Trigonométrico</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>Não foi possível gerar o desenho.</translation>
    </message>
    <message>
        <source>SVG export is not available: the part of Unit Circle that writes SVG could not be loaded (%1).</source>
        <translation>A exportação para SVG não está disponível: não foi possível carregar a parte do Unit Circle que grava SVG (%1).</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Press or drag along the graph, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Clique ou arraste ao longo do gráfico, ou use as teclas de seta, Page Up, Page Down e Home, para mudar o ângulo teta.</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>Written on the graph after &quot;tan(θ)&quot; where the tangent has no value (at ±π∕2, ±3π∕2).</extracomment>
        <translation>não definida</translation>
    </message>
    <message>
        <source>Graph of the cosine, the sine and the tangent</source>
        <extracomment>What a screen reader calls the graph; it begins with the word for a graph.</extracomment>
        <translation>Gráfico do cosseno, do seno e da tangente</translation>
    </message>
    <message>
        <source>theta %1</source>
        <extracomment>What a screen reader says of the graph, first the angle: &quot;theta pi over 3&quot;.</extracomment>
        <translation>teta %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <extracomment>The value of the cosine curve at the angle, read aloud: &quot;cosine 1 over 2&quot;.</extracomment>
        <translation>cosseno %1</translation>
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
        <translation>Ciclo Trigonométrico</translation>
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
        <translation>Desenhar a curva do cosseno de teta</translation>
    </message>
    <message>
        <source>s&amp;in θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;sen θ</translation>
    </message>
    <message>
        <source>Draw the curve of the sine of theta</source>
        <translation>Desenhar a curva do seno de teta</translation>
    </message>
    <message>
        <source>&amp;tan θ</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;tg θ</translation>
    </message>
    <message>
        <source>Draw the curve of the tangent of theta, with its asymptotes</source>
        <translation>Desenhar a curva da tangente de teta, com suas assíntotas</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unidade de ângulo</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Radianos</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Graus</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Mark and name the multiples of π∕6 and π∕4 on the circle</source>
        <translation>Marcar e nomear no ciclo os múltiplos de π∕6 e de π∕4</translation>
    </message>
    <message>
        <source>Mark and name the multiples of pi over 6 and pi over 4 on the circle</source>
        <translation>Marcar e nomear no ciclo os múltiplos de pi sobre 6 e de pi sobre 4</translation>
    </message>
    <message>
        <source>&amp;Standard angles</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ângulos &amp;notáveis</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show θ, cos θ and sin θ in a panel</source>
        <translation>Projetar o ponto sobre os eixos e mostrar θ, cos θ e sen θ em um painel</translation>
    </message>
    <message>
        <source>Project the point onto the axes and show theta, cosine theta and sine theta in a panel</source>
        <translation>Projetar o ponto sobre os eixos e mostrar teta, cosseno de teta e seno de teta em um painel</translation>
    </message>
    <message>
        <source>&amp;Cosine and sine</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Cosseno e seno</translation>
    </message>
    <message>
        <source>Show cos θ, sin θ and tan θ against θ below the circle</source>
        <translation>Mostrar cos θ, sen θ e tg θ em função de θ abaixo do ciclo</translation>
    </message>
    <message>
        <source>Show the graph of the cosine, the sine and the tangent of theta below the circle</source>
        <translation>Mostrar o gráfico do cosseno, do seno e da tangente de teta abaixo do ciclo</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Grá&amp;fico</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
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
        <translation>Exportar &amp;gráfico…</translation>
    </message>
    <message>
        <source>&amp;Copy Figure</source>
        <translation>&amp;Copiar figura</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Unit Circle &amp;ReadMe</source>
        <translation>&amp;Leia-me do Ciclo Trigonométrico</translation>
    </message>
    <message>
        <source>&amp;Marvo Software Web Site</source>
        <translation>Site da &amp;Marvo Software</translation>
    </message>
    <message>
        <source>Show sin θ, cos θ, tan θ, cot θ, sec θ and csc θ, the quadrant and the reference angle beside the circle</source>
        <translation>Mostrar sen θ, cos θ, tg θ, cotg θ, sec θ e cossec θ, o quadrante e o ângulo de referência ao lado do ciclo</translation>
    </message>
    <message>
        <source>Show the six circular functions of theta, the quadrant and the reference angle beside the circle</source>
        <translation>Mostrar as seis funções trigonométricas de teta, o quadrante e o ângulo de referência ao lado do ciclo</translation>
    </message>
    <message>
        <source>Va&amp;lues</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Valores</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ângu&amp;lo</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Valores</translation>
    </message>
    <message>
        <source>Print G&amp;raph…</source>
        <translation>Imprimir g&amp;ráfico…</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Praticar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Sound is unavailable</source>
        <comment>In the Sound menu when there is no sound device or sound server</comment>
        <translation>Som indisponível</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <comment>Sound menu: no tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Desligado</translation>
    </message>
    <message>
        <source>&amp;Sine</source>
        <comment>Sound menu: the pitch follows the sine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Seno</translation>
    </message>
    <message>
        <source>&amp;Cosine</source>
        <comment>Sound menu: the pitch follows the cosine. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Cosseno</translation>
    </message>
    <message>
        <source>&amp;Tangent</source>
        <comment>Sound menu: the pitch follows the tangent. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Tangente</translation>
    </message>
    <message>
        <source>&amp;Listen to One Turn</source>
        <comment>View menu: the point goes once round the circle with the tone. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Ouvir uma volta</translation>
    </message>
    <message>
        <source>Pr&amp;ogress</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Progr&amp;esso</translation>
    </message>
    <message>
        <source>Export Pr&amp;ogress…</source>
        <comment>File menu: writes the progress per skill to a CSV file for a teacher. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Exportar pr&amp;ogresso…</translation>
    </message>
    <message>
        <source>Rese&amp;t Progress…</source>
        <comment>File menu: forgets every answer kept, after asking. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Re&amp;definir progresso…</translation>
    </message>
    <message>
        <source>Pro&amp;jector Mode</source>
        <comment>View menu: thick lines, large texts and deep colours for a class. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Modo pro&amp;jetor</translation>
    </message>
    <message>
        <source>Larger &amp;Text</source>
        <comment>View menu: the texts of the figure, the graph and the panels one step larger. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Aumentar texto</translation>
    </message>
    <message>
        <source>Smaller Te&amp;xt</source>
        <comment>View menu: the texts one step smaller. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Diminuir texto</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <comment>View menu: the texts back to their usual size. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Tamanho &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Reverse Contrast</source>
        <comment>View menu: the figure and the graph light on a dark ground. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Contraste &amp;invertido</translation>
    </message>
    <message>
        <source>Angle &amp;Unit</source>
        <comment>View menu: the unit in which angles are named. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Unidade de ângulo</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>Angle Unit menu: angles named in radians. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Radianos</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>Angle Unit menu: angles named in degrees. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Graus</translation>
    </message>
    <message>
        <source>St&amp;andard Angles</source>
        <comment>View menu: marks and names the multiples of pi/6 and pi/4 on the circle. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Ângu&amp;los notáveis</translation>
    </message>
    <message>
        <source>&amp;Cosine and Sine</source>
        <comment>View menu: the projections of the point and the panel of theta, cos and sin. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Cosseno e seno</translation>
    </message>
    <message>
        <source>Typ&amp;e an Angle</source>
        <comment>View menu: puts the keyboard focus in the field where an angle is typed. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Di&amp;gitar um ângulo</translation>
    </message>
    <message>
        <source>Graph shown</source>
        <extracomment>Said by a screen reader when View &gt; Graph is chosen by its key or from the menu.</extracomment>
        <translation>Gráfico exibido</translation>
    </message>
    <message>
        <source>Graph hidden</source>
        <translation>Gráfico oculto</translation>
    </message>
    <message>
        <source>Values shown</source>
        <extracomment>Said by a screen reader when View &gt; Values is chosen by its key or from the menu.</extracomment>
        <translation>Valores exibidos</translation>
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
        <translation>O arquivo %1 está faltando.</translation>
    </message>
</context>
<context>
    <name>OrbelView</name>
    <message>
        <source>Drag the point, or use the arrow keys, Page Up, Page Down and Home, to change the angle theta.</source>
        <translation>Arraste o ponto, ou use as teclas de seta, Page Up, Page Down e Home, para mudar o ângulo teta.</translation>
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
        <translation>raiz de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n degrees</source>
        <extracomment>An angle in whole degrees read aloud: &quot;90 degrees&quot;, &quot;1 degree&quot;.</extracomment>
        <translation>
            <numerusform>%n grau</numerusform>
            <numerusform>%n graus</numerusform>
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
        <translation>%1 radianos</translation>
    </message>
    <message>
        <source>theta %1, cosine %2, sine %3</source>
        <extracomment>What a screen reader says of the figure: the angle theta, its cosine and its sine, each in words: &quot;theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2&quot;.</extracomment>
        <translation>teta %1, cosseno %2, seno %3</translation>
    </message>
    <message>
        <source>Unit circle</source>
        <extracomment>What a screen reader calls the figure.</extracomment>
        <translation>Ciclo trigonométrico</translation>
    </message>
    <message>
        <source>%1 root %2</source>
        <extracomment>A whole number times a square root read aloud: &quot;2 root 3&quot; in &quot;2 root 3 over 3&quot;.</extracomment>
        <translation>%1 raiz de %2</translation>
    </message>
    <message>
        <source>cosine %1, sine %2</source>
        <extracomment>What a screen reader says of the figure while a practice question asks for the angle: the point&apos;s coordinates only, &quot;cosine minus 1 over 2, sine root 3 over 2&quot;.</extracomment>
        <translation>cosseno %1, seno %2</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <comment>with decimals</comment>
        <translation>%1 graus</translation>
    </message>
</context>
<context>
    <name>PracticeHistory</name>
    <message>
        <source>it is not a practice history</source>
        <translation>não é um histórico de prática</translation>
    </message>
    <message>
        <source>Practice goes on, but your answers are not kept.</source>
        <extracomment>Ends a message that says why the practice history cannot be used.</extracomment>
        <translation>Você pode continuar praticando, mas suas respostas não são guardadas.</translation>
    </message>
    <message>
        <source>Your practice history could not be opened.</source>
        <translation>Não foi possível abrir seu histórico de prática.</translation>
    </message>
    <message>
        <source>The folder “%1” could not be made.</source>
        <extracomment>%1 is the full path of the practice history&apos;s folder.</extracomment>
        <translation>Não foi possível criar a pasta “%1”.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>“%1” não é um arquivo.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>Your practice history is in use.</source>
        <translation>Seu histórico de prática está em uso.</translation>
    </message>
    <message>
        <source>Another program holds “%1”.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>Outro programa está bloqueando “%1”.</translation>
    </message>
    <message>
        <source>Your practice history was written by a newer version of Unit Circle.</source>
        <translation>Seu histórico de prática foi gravado por uma versão mais recente do Ciclo Trigonométrico.</translation>
    </message>
    <message>
        <source>“%1” is left as it is.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>“%1” fica como está.</translation>
    </message>
    <message>
        <source>Your practice history is damaged.</source>
        <translation>Seu histórico de prática está danificado.</translation>
    </message>
    <message>
        <source>“%1” could not be moved aside: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>Não foi possível pôr “%1” de lado: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be read. It is kept as “%2”, and a new history is started.</source>
        <extracomment>%1 is the full path of the practice history, %2 where the damaged one was kept.</extracomment>
        <translation>Não foi possível ler “%1”. Ele foi guardado como “%2”, e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <source>Your answer could not be kept.</source>
        <translation>Não foi possível guardar sua resposta.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>Não é possível gravar “%1”: %2.</translation>
    </message>
    <message>
        <source>Practice goes on, but the answers you give now may not be kept.</source>
        <translation>Você pode continuar praticando, mas as respostas que der agora podem não ser guardadas.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <extracomment>The title of the practice panel.</extracomment>
        <translation>Praticar</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks where the point is, for a question answered by moving it.</extracomment>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>New Round</source>
        <translation>Nova rodada</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The answer for a tangent that has no value, as at π∕2.</extracomment>
        <translation>não definida</translation>
    </message>
    <message>
        <source>What is the sine of %1?</source>
        <translation>Quanto vale o seno de %1?</translation>
    </message>
    <message>
        <source>What is the cosine of %1?</source>
        <translation>Quanto vale o cosseno de %1?</translation>
    </message>
    <message>
        <source>What is the tangent of %1?</source>
        <translation>Quanto vale a tangente de %1?</translation>
    </message>
    <message>
        <source>Move the point to %1.</source>
        <extracomment>A question answered by moving the point: &quot;Move the point to −3π∕4.&quot;</extracomment>
        <translation>Leve o ponto até %1.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is positive.</source>
        <translation>Leve o ponto até o ângulo entre 0 e %1 cujo seno é %2 e cujo cosseno é positivo.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is negative.</source>
        <translation>Leve o ponto até o ângulo entre 0 e %1 cujo seno é %2 e cujo cosseno é negativo.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is positive.</source>
        <translation>Leve o ponto até o ângulo entre 0 e %1 cujo cosseno é %2 e cujo seno é positivo.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is negative.</source>
        <translation>Leve o ponto até o ângulo entre 0 e %1 cujo cosseno é %2 e cujo seno é negativo.</translation>
    </message>
    <message>
        <source>Round over: %1 of %2 right</source>
        <translation>Rodada encerrada: %1 de %2 certas</translation>
    </message>
    <message>
        <source>Question %1 of %2, %3 right</source>
        <extracomment>The score while a round runs: &quot;Question 3 of 10, 2 right&quot;.</extracomment>
        <translation>Pergunta %1 de %2, %3 certas</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said at once after a right answer.</extracomment>
        <translation>Certo.</translation>
    </message>
    <message>
        <source>Practise Missed</source>
        <extracomment>Starts a round of the questions missed in the round just over.</extracomment>
        <translation>Praticar as erradas</translation>
    </message>
    <message>
        <source>What is the cotangent of %1?</source>
        <translation>Quanto vale a cotangente de %1?</translation>
    </message>
    <message>
        <source>What is the secant of %1?</source>
        <translation>Quanto vale a secante de %1?</translation>
    </message>
    <message>
        <source>What is the cosecant of %1?</source>
        <translation>Quanto vale a cossecante de %1?</translation>
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
        <translation>tg %1</translation>
    </message>
    <message>
        <source>cot %1</source>
        <translation>cotg %1</translation>
    </message>
    <message>
        <source>sec %1</source>
        <translation>sec %1</translation>
    </message>
    <message>
        <source>csc %1</source>
        <translation>cossec %1</translation>
    </message>
    <message>
        <source>the sine of %1</source>
        <extracomment>A function of an angle read aloud: &quot;the sine of pi over 3&quot;.</extracomment>
        <translation>o seno de %1</translation>
    </message>
    <message>
        <source>the cosine of %1</source>
        <translation>o cosseno de %1</translation>
    </message>
    <message>
        <source>the tangent of %1</source>
        <translation>a tangente de %1</translation>
    </message>
    <message>
        <source>the cotangent of %1</source>
        <translation>a cotangente de %1</translation>
    </message>
    <message>
        <source>the secant of %1</source>
        <translation>a secante de %1</translation>
    </message>
    <message>
        <source>the cosecant of %1</source>
        <translation>a cossecante de %1</translation>
    </message>
    <message>
        <source>%1 is undefined</source>
        <extracomment>A function that has no value at an angle: &quot;tan π∕2 is undefined&quot;.</extracomment>
        <translation>%1 não tem valor</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>A function&apos;s value read aloud: &quot;the sine of pi over 3 is root 3 over 2&quot;.</extracomment>
        <translation>%1 vale %2</translation>
    </message>
    <message>
        <source>the positive x axis</source>
        <translation>o semieixo x positivo</translation>
    </message>
    <message>
        <source>the positive y axis</source>
        <translation>o semieixo y positivo</translation>
    </message>
    <message>
        <source>the negative x axis</source>
        <translation>o semieixo x negativo</translation>
    </message>
    <message>
        <source>the negative y axis</source>
        <translation>o semieixo y negativo</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point is (%3, %4), so %5.</source>
        <extracomment>Why a value on an axis is what it is: &quot;3π∕2 lies on the negative y axis, where the point is (0, −1), so sin 3π∕2 = −1.&quot;</extracomment>
        <translation>%1 está sobre %2, onde o ponto é (%3, %4), então %5.</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point has the coordinates %3 and %4, so %5.</source>
        <extracomment>The same read aloud.</extracomment>
        <translation>%1 está sobre %2, onde o ponto tem as coordenadas %3 e %4, então %5.</translation>
    </message>
    <message>
        <source>where the sine is positive</source>
        <translation>onde o seno é positivo</translation>
    </message>
    <message>
        <source>where the sine is negative</source>
        <translation>onde o seno é negativo</translation>
    </message>
    <message>
        <source>where the cosine is positive</source>
        <translation>onde o cosseno é positivo</translation>
    </message>
    <message>
        <source>where the cosine is negative</source>
        <translation>onde o cosseno é negativo</translation>
    </message>
    <message>
        <source>where the tangent is positive</source>
        <translation>onde a tangente é positiva</translation>
    </message>
    <message>
        <source>where the tangent is negative</source>
        <translation>onde a tangente é negativa</translation>
    </message>
    <message>
        <source>where the cotangent is positive</source>
        <translation>onde a cotangente é positiva</translation>
    </message>
    <message>
        <source>where the cotangent is negative</source>
        <translation>onde a cotangente é negativa</translation>
    </message>
    <message>
        <source>where the secant is positive</source>
        <translation>onde a secante é positiva</translation>
    </message>
    <message>
        <source>where the secant is negative</source>
        <translation>onde a secante é negativa</translation>
    </message>
    <message>
        <source>where the cosecant is positive</source>
        <translation>onde a cossecante é positiva</translation>
    </message>
    <message>
        <source>where the cosecant is negative</source>
        <translation>onde a cossecante é negativa</translation>
    </message>
    <message>
        <source>%1 lies in quadrant %2, %3; its reference angle is %4 and %5, so %6.</source>
        <extracomment>Why a value is what it is: &quot;4π∕3 lies in quadrant III, where the sine is negative; its reference angle is π∕3 and sin π∕3 = √3∕2, so sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>%1 está no quadrante %2, %3; seu ângulo de referência é %4 e %5, então %6.</translation>
    </message>
    <message>
        <source>The point is now at %1, on %2: %3 and %4.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 3π∕2, on the negative y axis: cos 3π∕2 = 0 and sin 3π∕2 = −1.&quot;</extracomment>
        <translation>O ponto está agora em %1, sobre %2: %3 e %4.</translation>
    </message>
    <message>
        <source>The point is now at %1, in quadrant %2, with the reference angle %3: %4 and %5.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 4π∕3, in quadrant III, with the reference angle π∕3: cos 4π∕3 = −1∕2 and sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>O ponto está agora em %1, no quadrante %2, com o ângulo de referência %3: %4 e %5.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <extracomment>Said at once after a wrong answer, with why the right one is right: &quot;Not quite. 4π∕3 lies in quadrant III, where the sine is negative; …&quot;</extracomment>
        <translation>Não exatamente. %1</translation>
    </message>
    <message>
        <source>You answered %1; the answer is %2.</source>
        <extracomment>A miss in the round&apos;s summary, after the question: &quot;You answered 1∕2; the answer is −√3∕2.&quot;</extracomment>
        <translation>Você respondeu %1; a resposta é %2.</translation>
    </message>
    <message>
        <source>, your answer</source>
        <extracomment>Added to the accessible name of the answer button the student pressed.</extracomment>
        <translation>, sua resposta</translation>
    </message>
    <message>
        <source>, right answer</source>
        <extracomment>Added to the accessible name of the answer button with the right answer.</extracomment>
        <translation>, resposta certa</translation>
    </message>
    <message>
        <source>Start a new round?</source>
        <extracomment>Asked when New Round is pressed during a round with answers.</extracomment>
        <translation>Começar uma nova rodada?</translation>
    </message>
    <message>
        <source>The answers given in this round will be lost.</source>
        <translation>As respostas dadas nesta rodada serão perdidas.</translation>
    </message>
    <message>
        <source>Start New Round</source>
        <translation>Começar nova rodada</translation>
    </message>
    <message>
        <source>Go On with This Round</source>
        <translation>Continuar esta rodada</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Progress</source>
        <extracomment>The title of the progress panel.</extracomment>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosseno</translation>
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
        <translation>Cossecante</translation>
    </message>
    <message>
        <source>Placing angles</source>
        <extracomment>The choice of the progress panel that shows where the angles lie.</extracomment>
        <translation>Localizar ângulos</translation>
    </message>
    <message>
        <source>Progress of</source>
        <extracomment>The accessible name of the progress panel&apos;s choice of function.</extracomment>
        <translation>Progresso em</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>A skill never practised.</extracomment>
        <translation>novo</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>aprendendo</translation>
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
        <translation>localizar %1</translation>
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
        <translation>tg %1</translation>
    </message>
    <message>
        <source>cot %1</source>
        <translation>cotg %1</translation>
    </message>
    <message>
        <source>sec %1</source>
        <translation>sec %1</translation>
    </message>
    <message>
        <source>csc %1</source>
        <translation>cossec %1</translation>
    </message>
    <message>
        <source>sine at %1</source>
        <extracomment>A skill in the progress panel read aloud: &quot;sine at 2 pi over 3&quot;.</extracomment>
        <translation>seno de %1</translation>
    </message>
    <message>
        <source>cosine at %1</source>
        <translation>cosseno de %1</translation>
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
        <translation>cossecante de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A skill and its level read aloud: &quot;sine at 2 pi over 3: mastered&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong</source>
        <translation>%1 certas, %2 erradas</translation>
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
        <translation>tg</translation>
    </message>
    <message>
        <source>cot</source>
        <translation>cotg</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>csc</source>
        <translation>cossec</translation>
    </message>
    <message>
        <source>place</source>
        <extracomment>Short for placing angles, in the progress panel&apos;s table of counts.</extracomment>
        <translation>localizar</translation>
    </message>
    <message>
        <source>%1: %2 mastered, %3 familiar, %4 learning, %5 new</source>
        <extracomment>The levels counted for one function, read aloud: &quot;Sine: 3 mastered, 2 familiar, 5 learning, 6 new&quot;.</extracomment>
        <translation>%1: %2 dominados, %3 familiares, %4 aprendendo, %5 novos</translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation>Nada para revisar agora.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the skills named as due: &quot;and 4 more&quot;.</extracomment>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Due now (%1): %2</source>
        <extracomment>What the next rounds ask first: &quot;Due now (3): sec 4π∕3 (learning), …&quot;.</extracomment>
        <translation>Para revisar agora (%1): %2</translation>
    </message>
</context>
<context>
    <name>TurnSweep</name>
    <message>
        <source>one turn from %1</source>
        <extracomment>Said by the screen reader as Listen to One Turn begins: &quot;one turn from pi over 6&quot;.</extracomment>
        <translation>uma volta a partir de %1</translation>
    </message>
    <message>
        <source>back at %1</source>
        <extracomment>Said by the screen reader when Listen to One Turn is over: &quot;back at pi over 6&quot;.</extracomment>
        <translation>de volta em %1</translation>
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
        <translation>cosseno %1</translation>
    </message>
    <message>
        <source>tan θ = %1</source>
        <translation>tg θ = %1</translation>
    </message>
    <message>
        <source>tangent %1</source>
        <translation>tangente %1</translation>
    </message>
    <message>
        <source>cot θ = %1</source>
        <translation>cotg θ = %1</translation>
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
        <translation>cossec θ = %1</translation>
    </message>
    <message>
        <source>cosecant %1</source>
        <translation>cossecante %1</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The value of a function where it has none, as at tan(π∕2).</extracomment>
        <translation>não definida</translation>
    </message>
    <message>
        <source>On the positive x axis</source>
        <translation>No semieixo x positivo</translation>
    </message>
    <message>
        <source>On the positive y axis</source>
        <translation>No semieixo y positivo</translation>
    </message>
    <message>
        <source>On the negative x axis</source>
        <translation>No semieixo x negativo</translation>
    </message>
    <message>
        <source>On the negative y axis</source>
        <translation>No semieixo y negativo</translation>
    </message>
    <message>
        <source>Quadrant %1</source>
        <extracomment>Where the point lies; %1 is a Roman numeral, I to IV.</extracomment>
        <translation>Quadrante %1</translation>
    </message>
    <message>
        <source>quadrant %1</source>
        <extracomment>The quadrant read aloud; %1 is its number, 1 to 4.</extracomment>
        <translation>quadrante %1</translation>
    </message>
    <message>
        <source>Reference angle %1</source>
        <extracomment>The reference angle, the acute angle between the radius and the x axis: &quot;Reference angle π∕3&quot;.</extracomment>
        <translation>Ângulo de referência %1</translation>
    </message>
    <message>
        <source>reference angle %1</source>
        <extracomment>The reference angle read aloud: &quot;reference angle pi over 3&quot;.</extracomment>
        <translation>ângulo de referência %1</translation>
    </message>
</context>
</TS>
