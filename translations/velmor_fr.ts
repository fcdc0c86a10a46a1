<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Créé par le projet Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>Courriel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Utilisation&#xa0;: velmor-counter [option]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Affiche les jours, heures, minutes et secondes qui restent jusqu’à minuit, au
tout début du jour de votre voyage, dans une petite fenêtre en haut à gauche
de l’écran. Indiquez la date avec «&#xa0;Choisir la date&#xa0;» dans le menu de la
fenêtre&#xa0;: elle est conservée dans le fichier vacation.txt du dossier depuis
lequel le compteur est lancé, et lue selon le format de date de vos paramètres
régionaux.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Les options propres à Qt, comme -platform et -display, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>la variable XDG_RUNTIME_DIR n’est pas définie, si bien qu’un second lancement dans ce dossier ne trouvera pas ce compteur</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 n’est pas un dossier à votre seul usage, si bien qu’un second lancement dans ce dossier ne trouvera pas ce compteur</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 n’accepte pas de verrou, si bien qu’un second lancement dans ce dossier ne trouvera pas ce compteur</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>le compteur déjà lancé dans ce dossier ne répond pas&#xa0;; celui-ci s’exécute en parallèle</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>aucun affichage n’est disponible pour montrer la fenêtre (la variable DISPLAY n’est pas définie)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>impossible d’ouvrir l’affichage %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 n’existe pas, si bien qu’un second lancement dans ce dossier ne trouvera pas ce compteur</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>aucun socket ne peut être créé dans %1, si bien qu’un second lancement dans ce dossier ne trouvera pas ce compteur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Pas encore de date de voyage&#xa0;: utilisez «&#xa0;Choisir la date&#xa0;» pour l’indiquer.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Jours restants</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Heures restantes</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Minutes restantes</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Secondes restantes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Choisir la date</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 jours</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 secondes</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Votre voyage commence aujourd’hui.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Il reste %1, %2, %3 et %4 avant le voyage du %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Fichier de date de voyage&#xa0;: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 et %4&#xa0;: le voyage du %5 a commencé.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>ferme le compteur</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>demande la date du voyage</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>montre qui a créé le compteur</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Barre de menus, %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; in a language written from left to right, &quot;RTL&quot; in one written from right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>c’est un lien créé par un autre utilisateur, dans un dossier où d’autres peuvent écrire</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>c’est un lien physique vers un fichier situé ailleurs, dans un dossier où d’autres peuvent écrire</translation>
    </message>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Utilisez «&#xa0;Choisir la date&#xa0;» pour indiquer la date du voyage.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 contient un texte trop long pour être une date.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 contient «&#xa0;%2&#xa0;», qui n’est pas une date.%3</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Le fichier de date de voyage «&#xa0;%1&#xa0;» dans %2</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>il est trop gros pour être un fichier de date de voyage</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>il a été modifié pendant son ouverture</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2.

La date du voyage reste inchangée.</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>la date n’est pas un texte Unicode valide</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>il a été modifié pendant l’enregistrement</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ses liens forment une boucle</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>son système de fichiers n’a rien accepté de ce qui y a été écrit</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Faites-en un fichier ordinaire sur lequel vous avez les droits de lecture et d’écriture, ou lancez le compteur dans un autre dossier.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>le dossier où il se trouverait n’existe pas</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 dans %2, le dossier vers lequel mène son lien</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>ce fichier ou ce dossier n’existe pas</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>l’accès est refusé</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>une partie de son chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>son chemin passe par trop de liens</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>son système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>il ne reste plus de place sur le disque</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>la lecture ou l’écriture sur le disque a échoué</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>il serait trop gros pour son système de fichiers</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>son nom est trop long</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>il possède un attribut étendu que le compteur n’a pas le droit de reporter sur une nouvelle copie</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Lancez le compteur dans un dossier qui vous appartient.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>c’est un fichier appartenant à un autre utilisateur, dans un dossier où d’autres peuvent écrire</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Date Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Saisissez la date de votre voyage Zorvia&#xa0;:%1
Exemple&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Veuillez saisir une date correcte&#xa0;:%1
Exemple&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Veuillez saisir une année valide&#xa0;:%1
Exemple&#xa0;: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>La date et le jour de la semaine ne correspondent pas&#xa0;: %1.</translation>
    </message>
</context>
</TS>
