<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Angle</translation>
    </message>
    <message>
        <source>Not an angle. Type an angle such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees.</source>
        <extracomment>What a screen reader says when what was typed is not an angle; like the message shown, in words.</extracomment>
        <translation>Ce n’est pas un angle. Saisissez un angle comme 3 pi sur 4, 2 pi, 1,2, 135 degrés ou moins 90 degrés.</translation>
    </message>
    <message>
        <source>shown as the coterminal angle %1</source>
        <extracomment>Below the angle field when an angle beyond a full turn was brought in by whole turns.</extracomment>
        <translation>affiché comme l’angle coterminal %1</translation>
    </message>
    <message>
        <source>Type an angle, such as 3π/4, 2pi, 1.2, 135° or −90 deg, and press Return</source>
        <translation>Saisissez un angle, comme 3π/4, 2pi, 1,2, 135° ou −90 deg, puis appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Type an angle such as 3π/4, 2pi, −5π/6, 1.2, 135° or −90 deg.</source>
        <extracomment>Below the angle field when what was typed is not an angle.</extracomment>
        <translation>Saisissez un angle comme 3π/4, 2pi, −5π/6, 1,2, 135° ou −90 deg.</translation>
    </message>
    <message>
        <source>Type an angle, such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees, and press Return</source>
        <extracomment>The angle field&apos;s tool tip as a screen reader says it.</extracomment>
        <translation>Saisissez un angle, comme 3 pi sur 4, 2 pi, 1,2, 135 degrés ou moins 90 degrés, puis appuyez sur Entrée</translation>
    </message>
    <message>
        <source>That is too long for an angle: the field takes at most %1 characters.</source>
        <extracomment>Beside the angle field when the user pastes or types more than it takes.</extracomment>
        <translation>C’est trop long pour un angle : le champ accepte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Too long for an angle. The field takes at most %1 characters.</source>
        <extracomment>What a screen reader says when the text pasted into the angle field was refused as too long.</extracomment>
        <translation>Trop long pour un angle. Le champ accepte au plus %1 caractères.</translation>
    </message>
</context>
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
    <message>
        <source>The ReadMe could not be found.</source>
        <translation>Le fichier Lisez-moi est introuvable.</translation>
    </message>
    <message>
        <source>It belongs beside the program, in “%1”, or in the folder share/unitcircle beside that folder. Installing Unit Circle again puts it back.</source>
        <extracomment>%1 is the folder that holds the program.</extracomment>
        <translation>Il doit se trouver à côté du programme, dans « %1 », ou dans le dossier share/unitcircle à côté de ce dossier. Réinstaller Cercle trigonométrique le remet en place.</translation>
    </message>
    <message>
        <source>The ReadMe could not be opened.</source>
        <translation>Le fichier Lisez-moi n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>No program on this computer opened “%1”. Open it with a program that reads RTF documents, such as a word processor.</source>
        <extracomment>%1 is the full path of the ReadMe file.</extracomment>
        <translation>Aucun programme de cet ordinateur n’a ouvert « %1 ». Ouvrez-le avec un programme qui lit les documents RTF, comme un traitement de texte.</translation>
    </message>
    <message>
        <source>The web site could not be opened.</source>
        <translation>Le site web n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1. Type the address into a browser to visit it.</source>
        <extracomment>%1 is the address of the web site.</extracomment>
        <translation>Aucun navigateur web de cet ordinateur n’a ouvert %1. Saisissez l’adresse dans un navigateur pour visiter le site.</translation>
    </message>
    <message>
        <source>Unit Circle Graph</source>
        <extracomment>The title of the print job of the graph: the queue lists it and a PDF printer names its file after it.</extracomment>
        <translation>Cercle trigonométrique – graphique</translation>
    </message>
    <message>
        <source>Your choices could not be read.</source>
        <translation>Vos choix n’ont pas pu être lus.</translation>
    </message>
    <message>
        <source>“%1” is far larger than a file of choices, so it was not read. Unit Circle starts with its usual settings and puts your choices in its place when you change them.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>« %1 » est bien plus grand qu’un fichier de préférences ; il n’a donc pas été lu. Cercle trigonométrique démarre avec ses réglages habituels et y enregistrera vos choix dès que vous les modifierez.</translation>
    </message>
    <message>
        <source>“%1” is not a file. Unit Circle starts with its usual settings, and the choices you make now will not be kept. Remove what stands in its place to keep them again.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>« %1 » n’est pas un fichier. Cercle trigonométrique démarre avec ses réglages habituels, et les choix que vous ferez maintenant ne seront pas conservés. Supprimez ce qui se trouve à sa place pour qu’ils le soient de nouveau.</translation>
    </message>
    <message>
        <source>Your choices could not be saved.</source>
        <translation>Vos choix n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the file or its folder is read-only.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>« %1 » ne peut pas être écrit : le fichier ou son dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: the disk is full.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>« %1 » ne peut pas être écrit : le disque est plein.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: something that is not a file or folder stands in its way.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>« %1 » ne peut pas être écrit : quelque chose qui n’est ni un fichier ni un dossier se trouve sur son chemin.</translation>
    </message>
    <message>
        <source>“%1” cannot be written.</source>
        <extracomment>%1 is the full path of the preferences file.</extracomment>
        <translation>« %1 » ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Unit Circle runs on, but the choices you make will be lost when it quits.</source>
        <translation>Cercle trigonométrique continue, mais les choix que vous faites seront perdus à sa fermeture.</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>L’imprimante n’accepte pas de travaux.</translation>
    </message>
    <message>
        <source>The printer is stopped, so nothing was sent to it. Start it again, then print once more.</source>
        <translation>L’imprimante est arrêtée ; rien ne lui a donc été envoyé. Redémarrez-la, puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The printer no longer exists. Choose another printer.</source>
        <translation>L’imprimante n’existe plus. Choisissez une autre imprimante.</translation>
    </message>
    <message>
        <source>The print system cannot be reached.</source>
        <translation>Le système d’impression est injoignable.</translation>
    </message>
    <message>
        <source>The page could not be made for this paper and printer.</source>
        <translation>La page n’a pas pu être préparée pour ce papier et cette imprimante.</translation>
    </message>
    <message>
        <source>The print system did not take the job.</source>
        <translation>Le système d’impression n’a pas accepté le travail.</translation>
    </message>
    <message>
        <source>Nothing was printed on “%1”.</source>
        <extracomment>%1 is the name of the printer, or of the file printed to.</extracomment>
        <translation>Rien n’a été imprimé sur « %1 ».</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Exporter la progression</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>The file type of an exported progress, for a spreadsheet.</extracomment>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unit Circle progress.csv</source>
        <extracomment>The file name that the export dialog proposes for the progress.</extracomment>
        <translation>Cercle trigonométrique - progression.csv</translation>
    </message>
    <message>
        <source>Reset Progress</source>
        <translation>Réinitialiser la progression</translation>
    </message>
    <message>
        <source>Forget every answer you have given in practice?</source>
        <translation>Oublier toutes les réponses données dans les exercices&#xa0;?</translation>
    </message>
    <message>
        <source>All skills start again as new. This cannot be undone; export your progress first to keep it.</source>
        <translation>Toutes les compétences repartent de zéro. Cette action est irréversible&#xa0;; exportez d’abord votre progression pour la conserver.</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that clears the practice history.</extracomment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Your practice history could not be cleared. Nothing was forgotten.</source>
        <translation>Votre historique d’exercices n’a pas pu être effacé. Rien n’a été oublié.</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>L’impression n’est pas disponible.</translation>
    </message>
    <message>
        <source>The part of Unit Circle that prints could not be loaded. Reinstalling the program may bring it back.</source>
        <translation>La partie d’Unit Circle qui imprime n’a pas pu être chargée. Réinstaller le programme peut la rétablir.</translation>
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
    <message>
        <source>SVG export is not available: the part of Unit Circle that writes SVG could not be loaded (%1).</source>
        <translation>L’exportation SVG n’est pas disponible : la partie d’Unit Circle qui écrit le SVG n’a pas pu être chargée (%1).</translation>
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
    <message>
        <source>theta %1</source>
        <extracomment>What a screen reader says of the graph, first the angle: &quot;theta pi over 3&quot;.</extracomment>
        <translation>thêta %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <extracomment>The value of the cosine curve at the angle, read aloud: &quot;cosine 1 over 2&quot;.</extracomment>
        <translation>cosinus %1</translation>
    </message>
    <message>
        <source>sine %1</source>
        <extracomment>The value of the sine curve at the angle, read aloud: &quot;sine root 3 over 2&quot;.</extracomment>
        <translation>sinus %1</translation>
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
        <source>Show sin θ, cos θ, tan θ, cot θ, sec θ and csc θ, the quadrant and the reference angle beside the circle</source>
        <translation>Afficher sin θ, cos θ, tan θ, cot θ, sec θ et csc θ, le quadrant et l’angle de référence à côté du cercle</translation>
    </message>
    <message>
        <source>Show the six circular functions of theta, the quadrant and the reference angle beside the circle</source>
        <translation>Afficher les six fonctions trigonométriques de thêta, le quadrant et l’angle de référence à côté du cercle</translation>
    </message>
    <message>
        <source>Va&amp;lues</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Valeurs</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Ang&amp;le</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Valeurs</translation>
    </message>
    <message>
        <source>Print G&amp;raph…</source>
        <translation>Imprimer le g&amp;raphique…</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>&amp;Exercices</translation>
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
    <message>
        <source>Pr&amp;ogress</source>
        <comment>The &amp; marks the letter of the Alt key; all letters of the window must differ</comment>
        <translation>Pr&amp;ogression</translation>
    </message>
    <message>
        <source>Export Pr&amp;ogress…</source>
        <comment>File menu: writes the progress per skill to a CSV file for a teacher. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Exporter la pr&amp;ogression…</translation>
    </message>
    <message>
        <source>Rese&amp;t Progress…</source>
        <comment>File menu: forgets every answer kept, after asking. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Réini&amp;tialiser la progression…</translation>
    </message>
    <message>
        <source>Pro&amp;jector Mode</source>
        <comment>View menu: thick lines, large texts and deep colours for a class. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Mode pro&amp;jecteur</translation>
    </message>
    <message>
        <source>Larger &amp;Text</source>
        <comment>View menu: the texts of the figure, the graph and the panels one step larger. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Agrandir le texte</translation>
    </message>
    <message>
        <source>Smaller Te&amp;xt</source>
        <comment>View menu: the texts one step smaller. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Réduire le texte</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <comment>View menu: the texts back to their usual size. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Reverse Contrast</source>
        <comment>View menu: the figure and the graph light on a dark ground. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Contraste &amp;inversé</translation>
    </message>
    <message>
        <source>Angle &amp;Unit</source>
        <comment>View menu: the unit in which angles are named. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Unité d’angle</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <comment>Angle Unit menu: angles named in radians. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Radians</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <comment>Angle Unit menu: angles named in degrees. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>&amp;Degrés</translation>
    </message>
    <message>
        <source>St&amp;andard Angles</source>
        <comment>View menu: marks and names the multiples of pi/6 and pi/4 on the circle. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Angles re&amp;marquables</translation>
    </message>
    <message>
        <source>&amp;Cosine and Sine</source>
        <comment>View menu: the projections of the point and the panel of theta, cos and sin. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Cosinus e&amp;t sinus</translation>
    </message>
    <message>
        <source>Typ&amp;e an Angle</source>
        <comment>View menu: puts the keyboard focus in the field where an angle is typed. The &amp; marks the letter of the Alt key; all letters of the menu must differ</comment>
        <translation>Saisir un ang&amp;le</translation>
    </message>
    <message>
        <source>Graph shown</source>
        <extracomment>Said by a screen reader when View &gt; Graph is chosen by its key or from the menu.</extracomment>
        <translation>Graphique affiché</translation>
    </message>
    <message>
        <source>Graph hidden</source>
        <translation>Graphique masqué</translation>
    </message>
    <message>
        <source>Values shown</source>
        <extracomment>Said by a screen reader when View &gt; Values is chosen by its key or from the menu.</extracomment>
        <translation>Valeurs affichées</translation>
    </message>
    <message>
        <source>Values hidden</source>
        <translation>Valeurs masquées</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The file %1 is missing.</source>
        <extracomment>%1 is the file name of a part of the program, such as unitcircle-print.so.</extracomment>
        <translation>Le fichier %1 est manquant.</translation>
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
        <extracomment>The square root of a number read aloud: &quot;root 3&quot; in &quot;root 3 over 2&quot;.</extracomment>
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
    <message>
        <source>%1 root %2</source>
        <extracomment>A whole number times a square root read aloud: &quot;2 root 3&quot; in &quot;2 root 3 over 3&quot;.</extracomment>
        <translation>%1 racine de %2</translation>
    </message>
    <message>
        <source>cosine %1, sine %2</source>
        <extracomment>What a screen reader says of the figure while a practice question asks for the angle: the point&apos;s coordinates only, &quot;cosine minus 1 over 2, sine root 3 over 2&quot;.</extracomment>
        <translation>cosinus %1, sinus %2</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <comment>with decimals</comment>
        <translation>%1 degrés</translation>
    </message>
</context>
<context>
    <name>PracticeHistory</name>
    <message>
        <source>it is not a practice history</source>
        <translation>ce n’est pas un historique d’exercices</translation>
    </message>
    <message>
        <source>Practice goes on, but your answers are not kept.</source>
        <extracomment>Ends a message that says why the practice history cannot be used.</extracomment>
        <translation>Les exercices continuent, mais vos réponses ne sont pas conservées.</translation>
    </message>
    <message>
        <source>Your practice history could not be opened.</source>
        <translation>Votre historique d’exercices n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The folder “%1” could not be made.</source>
        <extracomment>%1 is the full path of the practice history&apos;s folder.</extracomment>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your practice history is in use.</source>
        <translation>Votre historique d’exercices est en cours d’utilisation.</translation>
    </message>
    <message>
        <source>Another program holds “%1”.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>Un autre programme bloque «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Your practice history was written by a newer version of Unit Circle.</source>
        <translation>Votre historique d’exercices a été écrit par une version plus récente de Cercle trigonométrique.</translation>
    </message>
    <message>
        <source>“%1” is left as it is.</source>
        <extracomment>%1 is the full path of the practice history.</extracomment>
        <translation>«&#xa0;%1&#xa0;» reste tel quel.</translation>
    </message>
    <message>
        <source>Your practice history is damaged.</source>
        <translation>Votre historique d’exercices est endommagé.</translation>
    </message>
    <message>
        <source>“%1” could not be moved aside: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être mis de côté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be read. It is kept as “%2”, and a new history is started.</source>
        <extracomment>%1 is the full path of the practice history, %2 where the damaged one was kept.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lu. Il est conservé sous le nom «&#xa0;%2&#xa0;», et un nouvel historique commence.</translation>
    </message>
    <message>
        <source>Your answer could not be kept.</source>
        <translation>Votre réponse n’a pas pu être conservée.</translation>
    </message>
    <message>
        <source>“%1” cannot be written: %2.</source>
        <extracomment>%1 is the full path of the practice history, %2 the reason.</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Practice goes on, but the answers you give now may not be kept.</source>
        <translation>Les exercices continuent, mais les réponses que vous donnez maintenant risquent de ne pas être conservées.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <extracomment>The title of the practice panel.</extracomment>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks where the point is, for a question answered by moving it.</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>New Round</source>
        <translation>Nouvelle série</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The answer for a tangent that has no value, as at π∕2.</extracomment>
        <translation>non définie</translation>
    </message>
    <message>
        <source>What is the sine of %1?</source>
        <translation>Que vaut le sinus de %1 ?</translation>
    </message>
    <message>
        <source>What is the cosine of %1?</source>
        <translation>Que vaut le cosinus de %1 ?</translation>
    </message>
    <message>
        <source>What is the tangent of %1?</source>
        <translation>Que vaut la tangente de %1 ?</translation>
    </message>
    <message>
        <source>Move the point to %1.</source>
        <extracomment>A question answered by moving the point: &quot;Move the point to −3π∕4.&quot;</extracomment>
        <translation>Placez le point en %1.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is positive.</source>
        <translation>Placez le point sur l’angle entre 0 et %1 dont le sinus vaut %2 et dont le cosinus est positif.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose sine is %2 and whose cosine is negative.</source>
        <translation>Placez le point sur l’angle entre 0 et %1 dont le sinus vaut %2 et dont le cosinus est négatif.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is positive.</source>
        <translation>Placez le point sur l’angle entre 0 et %1 dont le cosinus vaut %2 et dont le sinus est positif.</translation>
    </message>
    <message>
        <source>Move the point to the angle between 0 and %1 whose cosine is %2 and whose sine is negative.</source>
        <translation>Placez le point sur l’angle entre 0 et %1 dont le cosinus vaut %2 et dont le sinus est négatif.</translation>
    </message>
    <message>
        <source>Round over: %1 of %2 right</source>
        <translation>Série terminée : %1 sur %2 justes</translation>
    </message>
    <message>
        <source>Question %1 of %2, %3 right</source>
        <extracomment>The score while a round runs: &quot;Question 3 of 10, 2 right&quot;.</extracomment>
        <translation>Question %1 sur %2, %3 justes</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said at once after a right answer.</extracomment>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Practise Missed</source>
        <extracomment>Starts a round of the questions missed in the round just over.</extracomment>
        <translation>Revoir les erreurs</translation>
    </message>
    <message>
        <source>What is the cotangent of %1?</source>
        <translation>Que vaut la cotangente de %1 ?</translation>
    </message>
    <message>
        <source>What is the secant of %1?</source>
        <translation>Que vaut la sécante de %1 ?</translation>
    </message>
    <message>
        <source>What is the cosecant of %1?</source>
        <translation>Que vaut la cosécante de %1 ?</translation>
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
        <translation>cosec %1</translation>
    </message>
    <message>
        <source>the sine of %1</source>
        <extracomment>A function of an angle read aloud: &quot;the sine of pi over 3&quot;.</extracomment>
        <translation>le sinus de %1</translation>
    </message>
    <message>
        <source>the cosine of %1</source>
        <translation>le cosinus de %1</translation>
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
        <translation>la sécante de %1</translation>
    </message>
    <message>
        <source>the cosecant of %1</source>
        <translation>la cosécante de %1</translation>
    </message>
    <message>
        <source>%1 is undefined</source>
        <extracomment>A function that has no value at an angle: &quot;tan π∕2 is undefined&quot;.</extracomment>
        <translation>%1 n’a pas de valeur</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>A function&apos;s value read aloud: &quot;the sine of pi over 3 is root 3 over 2&quot;.</extracomment>
        <translation>%1 vaut %2</translation>
    </message>
    <message>
        <source>the positive x axis</source>
        <translation>le demi-axe des x positifs</translation>
    </message>
    <message>
        <source>the positive y axis</source>
        <translation>le demi-axe des y positifs</translation>
    </message>
    <message>
        <source>the negative x axis</source>
        <translation>le demi-axe des x négatifs</translation>
    </message>
    <message>
        <source>the negative y axis</source>
        <translation>le demi-axe des y négatifs</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point is (%3, %4), so %5.</source>
        <extracomment>Why a value on an axis is what it is: &quot;3π∕2 lies on the negative y axis, where the point is (0, −1), so sin 3π∕2 = −1.&quot;</extracomment>
        <translation>%1 est sur %2, où le point est (%3 ; %4), donc %5.</translation>
    </message>
    <message>
        <source>%1 lies on %2, where the point has the coordinates %3 and %4, so %5.</source>
        <extracomment>The same read aloud.</extracomment>
        <translation>%1 est sur %2, où le point a pour coordonnées %3 et %4, donc %5.</translation>
    </message>
    <message>
        <source>where the sine is positive</source>
        <translation>où le sinus est positif</translation>
    </message>
    <message>
        <source>where the sine is negative</source>
        <translation>où le sinus est négatif</translation>
    </message>
    <message>
        <source>where the cosine is positive</source>
        <translation>où le cosinus est positif</translation>
    </message>
    <message>
        <source>where the cosine is negative</source>
        <translation>où le cosinus est négatif</translation>
    </message>
    <message>
        <source>where the tangent is positive</source>
        <translation>où la tangente est positive</translation>
    </message>
    <message>
        <source>where the tangent is negative</source>
        <translation>où la tangente est négative</translation>
    </message>
    <message>
        <source>where the cotangent is positive</source>
        <translation>où la cotangente est positive</translation>
    </message>
    <message>
        <source>where the cotangent is negative</source>
        <translation>où la cotangente est négative</translation>
    </message>
    <message>
        <source>where the secant is positive</source>
        <translation>où la sécante est positive</translation>
    </message>
    <message>
        <source>where the secant is negative</source>
        <translation>où la sécante est négative</translation>
    </message>
    <message>
        <source>where the cosecant is positive</source>
        <translation>où la cosécante est positive</translation>
    </message>
    <message>
        <source>where the cosecant is negative</source>
        <translation>où la cosécante est négative</translation>
    </message>
    <message>
        <source>%1 lies in quadrant %2, %3; its reference angle is %4 and %5, so %6.</source>
        <extracomment>Why a value is what it is: &quot;4π∕3 lies in quadrant III, where the sine is negative; its reference angle is π∕3 and sin π∕3 = √3∕2, so sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>%1 est dans le quadrant %2, %3 ; son angle de référence est %4 et %5, donc %6.</translation>
    </message>
    <message>
        <source>The point is now at %1, on %2: %3 and %4.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 3π∕2, on the negative y axis: cos 3π∕2 = 0 and sin 3π∕2 = −1.&quot;</extracomment>
        <translation>Le point est maintenant en %1, sur %2 : %3 et %4.</translation>
    </message>
    <message>
        <source>The point is now at %1, in quadrant %2, with the reference angle %3: %4 and %5.</source>
        <extracomment>After a wrong place, the point moved to the right one: &quot;The point is now at 4π∕3, in quadrant III, with the reference angle π∕3: cos 4π∕3 = −1∕2 and sin 4π∕3 = −√3∕2.&quot;</extracomment>
        <translation>Le point est maintenant en %1, dans le quadrant %2, avec l’angle de référence %3 : %4 et %5.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <extracomment>Said at once after a wrong answer, with why the right one is right: &quot;Not quite. 4π∕3 lies in quadrant III, where the sine is negative; …&quot;</extracomment>
        <translation>Pas tout à fait. %1</translation>
    </message>
    <message>
        <source>You answered %1; the answer is %2.</source>
        <extracomment>A miss in the round&apos;s summary, after the question: &quot;You answered 1∕2; the answer is −√3∕2.&quot;</extracomment>
        <translation>Vous avez répondu %1 ; la réponse est %2.</translation>
    </message>
    <message>
        <source>, your answer</source>
        <extracomment>Added to the accessible name of the answer button the student pressed.</extracomment>
        <translation>, votre réponse</translation>
    </message>
    <message>
        <source>, right answer</source>
        <extracomment>Added to the accessible name of the answer button with the right answer.</extracomment>
        <translation>, bonne réponse</translation>
    </message>
    <message>
        <source>Start a new round?</source>
        <extracomment>Asked when New Round is pressed during a round with answers.</extracomment>
        <translation>Commencer une nouvelle série ?</translation>
    </message>
    <message>
        <source>The answers given in this round will be lost.</source>
        <translation>Les réponses données dans cette série seront perdues.</translation>
    </message>
    <message>
        <source>Start New Round</source>
        <translation>Commencer une nouvelle série</translation>
    </message>
    <message>
        <source>Go On with This Round</source>
        <translation>Continuer cette série</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Progress</source>
        <extracomment>The title of the progress panel.</extracomment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
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
        <translation>Sécante</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosécante</translation>
    </message>
    <message>
        <source>Placing angles</source>
        <extracomment>The choice of the progress panel that shows where the angles lie.</extracomment>
        <translation>Placer les angles</translation>
    </message>
    <message>
        <source>Progress of</source>
        <extracomment>The accessible name of the progress panel&apos;s choice of function.</extracomment>
        <translation>Progression en</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>A skill never practised.</extracomment>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>familiar</source>
        <translation>familier</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>maîtrisé</translation>
    </message>
    <message>
        <source>placing %1</source>
        <extracomment>A skill in the progress panel: placing an angle on the circle, &quot;placing 3π∕2&quot;.</extracomment>
        <translation>placer %1</translation>
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
        <translation>cotan %1</translation>
    </message>
    <message>
        <source>sec %1</source>
        <translation>sec %1</translation>
    </message>
    <message>
        <source>csc %1</source>
        <translation>cosec %1</translation>
    </message>
    <message>
        <source>sine at %1</source>
        <extracomment>A skill in the progress panel read aloud: &quot;sine at 2 pi over 3&quot;.</extracomment>
        <translation>sinus de %1</translation>
    </message>
    <message>
        <source>cosine at %1</source>
        <translation>cosinus de %1</translation>
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
        <translation>sécante de %1</translation>
    </message>
    <message>
        <source>cosecant at %1</source>
        <translation>cosécante de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A skill and its level read aloud: &quot;sine at 2 pi over 3: mastered&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong</source>
        <translation>%1 juste(s), %2 faux</translation>
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
        <translation>cotan</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>csc</source>
        <translation>cosec</translation>
    </message>
    <message>
        <source>place</source>
        <extracomment>Short for placing angles, in the progress panel&apos;s table of counts.</extracomment>
        <translation>placer</translation>
    </message>
    <message>
        <source>%1: %2 mastered, %3 familiar, %4 learning, %5 new</source>
        <extracomment>The levels counted for one function, read aloud: &quot;Sine: 3 mastered, 2 familiar, 5 learning, 6 new&quot;.</extracomment>
        <translation>%1&#xa0;: %2 maîtrisés, %3 familiers, %4 en cours, %5 nouveaux</translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation>Rien n’est à revoir pour l’instant.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the skills named as due: &quot;and 4 more&quot;.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Due now (%1): %2</source>
        <extracomment>What the next rounds ask first: &quot;Due now (3): sec 4π∕3 (learning), …&quot;.</extracomment>
        <translation>À revoir maintenant (%1)&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TurnSweep</name>
    <message>
        <source>one turn from %1</source>
        <extracomment>Said by the screen reader as Listen to One Turn begins: &quot;one turn from pi over 6&quot;.</extracomment>
        <translation>un tour depuis %1</translation>
    </message>
    <message>
        <source>back at %1</source>
        <extracomment>Said by the screen reader when Listen to One Turn is over: &quot;back at pi over 6&quot;.</extracomment>
        <translation>de retour à %1</translation>
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
        <translation>sinus %1</translation>
    </message>
    <message>
        <source>cos θ = %1</source>
        <translation>cos θ = %1</translation>
    </message>
    <message>
        <source>cosine %1</source>
        <translation>cosinus %1</translation>
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
        <translation>sécante %1</translation>
    </message>
    <message>
        <source>csc θ = %1</source>
        <translation>cosec θ = %1</translation>
    </message>
    <message>
        <source>cosecant %1</source>
        <translation>cosécante %1</translation>
    </message>
    <message>
        <source>undefined</source>
        <extracomment>The value of a function where it has none, as at tan(π∕2).</extracomment>
        <translation>non définie</translation>
    </message>
    <message>
        <source>On the positive x axis</source>
        <translation>Sur le demi-axe des x positifs</translation>
    </message>
    <message>
        <source>On the positive y axis</source>
        <translation>Sur le demi-axe des y positifs</translation>
    </message>
    <message>
        <source>On the negative x axis</source>
        <translation>Sur le demi-axe des x négatifs</translation>
    </message>
    <message>
        <source>On the negative y axis</source>
        <translation>Sur le demi-axe des y négatifs</translation>
    </message>
    <message>
        <source>Quadrant %1</source>
        <extracomment>Where the point lies; %1 is a Roman numeral, I to IV.</extracomment>
        <translation>Quadrant %1</translation>
    </message>
    <message>
        <source>quadrant %1</source>
        <extracomment>The quadrant read aloud; %1 is its number, 1 to 4.</extracomment>
        <translation>quadrant %1</translation>
    </message>
    <message>
        <source>Reference angle %1</source>
        <extracomment>The reference angle, the acute angle between the radius and the x axis: &quot;Reference angle π∕3&quot;.</extracomment>
        <translation>Angle de référence %1</translation>
    </message>
    <message>
        <source>reference angle %1</source>
        <extracomment>The reference angle read aloud: &quot;reference angle pi over 3&quot;.</extracomment>
        <translation>angle de référence %1</translation>
    </message>
</context>
</TS>
