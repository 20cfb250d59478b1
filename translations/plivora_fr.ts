<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>case vide</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>pièce %1, ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Un taquin en images de 3x3 cases. Faites glisser les pièces pour les remettre en
ordre en cliquant dessus, avec les touches fléchées ou en inclinant l’appareil.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Liste les capteurs de rotation et les accéléromètres, indique celui qu’utilise l’inclinaison et pourquoi les autres sont écartés, puis quitte.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMAGE</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Une image avec laquelle jouer au lieu de l’image par défaut.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Option propre à Qt, voir la documentation de Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1 : %2 Saisissez « %1 --help » pour plus d’informations.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1 : trop d’arguments, une seule IMAGE est prise en compte. Saisissez « %1 --help » pour plus d’informations.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Meilleurs temps</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>&amp;Ouvrir une image</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Le but est de remettre les pièces du taquin dans le bon ordre. L’ordre est correct quand la case vide se trouve dans le coin supérieur gauche.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Vous avez résolu le taquin.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Les meilleurs temps n’ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Le niveau de difficulté n’a pas pu être enregistré dans %1 : %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>Temps : %n seconde</numerusform>
            <numerusform>Temps : %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SensorChoice</name>
    <message>
        <source>passed over: simulated</source>
        <translation>écarté : simulé</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>écarté : %1 passe en premier</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>un véritable accéléromètre</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>écarté : calculé à partir d’un accéléromètre, et aucun véritable accéléromètre n’est proposé</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>utilisé, calculé à partir de %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>utilisé</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  aucun proposé</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Moteurs de capteur de rotation :</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Moteurs d’accéléromètre :</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Accéléromètre IIO : %1 à l’emplacement %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Accéléromètre IIO : aucun trouvé dans %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Commande par inclinaison : désactivée, aucun capteur ne mesure cet appareil</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Commande par inclinaison : lit %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  une lecture : pas de réponse en %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  une lecture : %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  une lecture : occupé, un autre programme lit le périphérique en continu (par exemple le service de rotation du système ; verrouiller la rotation de l’écran le libère)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  une lecture : échec après %1 ms : %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  une lecture : aucune valeur plausible, après %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>un autre programme maintient le fichier verrouillé</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>impossible de créer son fichier de verrouillage</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
</TS>
