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
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
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
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Pas encore de date de voyage&#xa0;: choisissez «&#xa0;Choisir la date&#xa0;» pour la définir.</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Compte à rebours jusqu’au voyage du %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Le voyage du %1 a commencé.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Encore %1, %2, %3 et %4 avant le voyage du %5.</translation>
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

Choisissez «&#xa0;Choisir la date&#xa0;» pour définir la date du voyage.</translation>
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
        <translation>il a changé pendant son ouverture</translation>
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
        <translation>il a changé pendant l’enregistrement</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ses liens tournent en rond</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>son système de fichiers n’a rien accepté de ce qui y a été écrit</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Faites-en un fichier ordinaire sur lequel vous avez les droits de lecture et d’écriture, ou lancez le programme dans un autre dossier.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>le dossier où il se trouverait n’existe pas</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 dans %2, le dossier vers lequel mène son lien</translation>
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
</context>
</TS>
