<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CsvReader</name>
    <message>
        <source>the line holds bytes that are not UTF-8</source>
        <translation>la ligne contient des octets qui ne sont pas de l&apos;UTF-8</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>du texte après le guillemet fermant d&apos;un champ</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>un guillemet ouvert sur cette ligne n&apos;est jamais fermé</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>QUILMOX is plugged in as %1, but this user may not open it.
Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug and plug in the controller, or log in again.</source>
        <translation>QUILMOX est branché en tant que %1, mais cet utilisateur n&apos;a pas le droit de l&apos;ouvrir.
Installez la règle udev 70-quilmox-parlowen.rules (le paquet parlowen l&apos;installe), puis débranchez et rebranchez le contrôleur, ou reconnectez-vous.</translation>
    </message>
    <message>
        <source>QUILMOX is plugged in, but another program is using it.
Close that program, then try again.</source>
        <translation>QUILMOX est branché, mais un autre programme l&apos;utilise.
Fermez ce programme, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>SettingCatalogue</name>
    <message>
        <source>must be a text</source>
        <translation>doit être un texte</translation>
    </message>
    <message>
        <source>must not hold a zero character</source>
        <translation>ne doit pas contenir de caractère nul</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot represent</source>
        <translation>contient un caractère que Windows-1252 ne peut pas représenter</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>dépasse %1 octets</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>doit valoir true ou false</translation>
    </message>
    <message>
        <source>must be an integer from -2147483648 to 2147483647</source>
        <translation>doit être un entier de -2147483648 à 2147483647</translation>
    </message>
    <message>
        <source>must be %1 hexadecimal digits</source>
        <translation>doit comporter %1 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>is not a setting</source>
        <translation>n&apos;est pas un paramètre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>«&#xa0;%1&#xa0;» %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Incompatible data file.</source>
        <translation>Fichier de données incompatible.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Le fichier utilise un format de données plus récent.<byte value="xd"/>
Chargement impossible</translation>
    </message>
    <message>
        <source>Error Opening File.</source>
        <translation>Erreur à l&apos;ouverture du fichier.</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Erreur à l&apos;enregistrement du fichier.</translation>
    </message>
</context>
<context>
    <name>TBatchRun</name>
    <message>
        <source>the controller was unplugged</source>
        <translation>le contrôleur a été débranché</translation>
    </message>
    <message>
        <source>the controller stopped answering</source>
        <translation>le contrôleur ne répond plus</translation>
    </message>
    <message>
        <source>A batch is running already.</source>
        <translation>Un lot est déjà en cours.</translation>
    </message>
    <message>
        <source>The units table has errors; nothing is written while any remains.</source>
        <translation>Le tableau des unités contient des erreurs&#xa0;; rien n&apos;est écrit tant qu&apos;il en reste.</translation>
    </message>
    <message>
        <source>%1: the backups folder cannot be made</source>
        <translation>%1&#xa0;: impossible de créer le dossier des sauvegardes</translation>
    </message>
    <message>
        <source>abandoned by the operator</source>
        <translation>abandon par l&apos;opérateur</translation>
    </message>
    <message>
        <source>Stopping once this step has ended (stop again to abandon the unit).</source>
        <translation>Arrêt dès la fin de cette étape (arrêtez de nouveau pour abandonner l&apos;unité).</translation>
    </message>
    <message>
        <source>No controller came within the wait.</source>
        <translation>Aucun contrôleur n&apos;a été branché dans le délai d&apos;attente.</translation>
    </message>
    <message>
        <source>%1 controllers are plugged in: unplug all but one</source>
        <translation>%1 contrôleurs sont branchés&#xa0;: débranchez-les tous sauf un</translation>
    </message>
    <message>
        <source>The controller at %1 is in program mode: left untouched; unplug it</source>
        <translation>Le contrôleur sur %1 est en mode programmation&#xa0;: laissé intact&#xa0;; débranchez-le</translation>
    </message>
    <message>
        <source>Identifying the controller at %1</source>
        <translation>Identification du contrôleur sur %1</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened: left untouched; unplug it</source>
        <translation>Impossible d&apos;ouvrir le contrôleur sur %1&#xa0;: laissé intact&#xa0;; débranchez-le</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened (%2): left untouched; unplug it</source>
        <translation>Impossible d&apos;ouvrir le contrôleur sur %1 (%2)&#xa0;: laissé intact&#xa0;; débranchez-le</translation>
    </message>
    <message>
        <source>The controller at %1 refused (%2): left untouched; unplug it</source>
        <translation>Le contrôleur sur %1 a refusé (%2)&#xa0;: laissé intact&#xa0;; débranchez-le</translation>
    </message>
    <message>
        <source>the backup could not be saved: </source>
        <translation>la sauvegarde n&apos;a pas pu être enregistrée&#xa0;: </translation>
    </message>
    <message>
        <source>Controller %1 backed up in %2</source>
        <translation>Contrôleur %1 sauvegardé dans %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Écriture de la %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>Vérification de la %1</translation>
    </message>
    <message>
        <source>Row %1 verified: unplug it</source>
        <translation>Ligne %1 vérifiée&#xa0;: débranchez le contrôleur</translation>
    </message>
    <message>
        <source>Row %1 differs: %2: unplug it</source>
        <translation>La ligne %1 diffère&#xa0;: %2&#xa0;: débranchez le contrôleur</translation>
    </message>
    <message>
        <source>Controller %1 is done already in this run: unplug it</source>
        <translation>Le contrôleur %1 est déjà traité dans ce lot&#xa0;: débranchez-le</translation>
    </message>
    <message>
        <source>Controller %1 is in no row of the table: left untouched; unplug it</source>
        <translation>Le contrôleur %1 ne figure dans aucune ligne du tableau&#xa0;: laissé intact&#xa0;; débranchez-le</translation>
    </message>
    <message>
        <source>Controller %1 is done already (row %2): unplug it</source>
        <translation>Le contrôleur %1 est déjà traité (ligne %2)&#xa0;: débranchez-le</translation>
    </message>
    <message>
        <source>Backing up controller %1 for %2</source>
        <translation>Sauvegarde du contrôleur %1 pour la %2</translation>
    </message>
    <message>
        <source>The controller at %1: %2; unplug it and plug it in again</source>
        <translation>Le contrôleur sur %1&#xa0;: %2&#xa0;; débranchez-le et rebranchez-le</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>relecture</translation>
    </message>
    <message>
        <source>Row %1 not completed: %2 during the %3 (report %4 of %5)</source>
        <translation>Ligne %1 non terminée&#xa0;: %2 pendant la %3 (rapport %4 sur %5)</translation>
    </message>
    <message>
        <source>Row %1 not completed: unplug the controller and plug it in again to write it again</source>
        <translation>Ligne %1 non terminée&#xa0;: débranchez le contrôleur et rebranchez-le pour l&apos;écrire de nouveau</translation>
    </message>
    <message>
        <source>The record cannot be written: %1</source>
        <translation>Impossible d&apos;écrire le registre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1</source>
        <translation>Branchez le contrôleur de la %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1 or for another of the %2 pending rows</source>
        <translation>Branchez le contrôleur de la %1 ou d&apos;une autre des %2 lignes en attente</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Comparer à QUILMOX</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Load Controller Settings</source>
        <translation>Charger les paramètres du contrôleur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>One setting differs between the form and QUILMOX:</source>
        <translation>Un paramètre diffère entre le formulaire et QUILMOX&#xa0;:</translation>
    </message>
    <message>
        <source>%1 settings differ between the form and QUILMOX:</source>
        <translation>%1 paramètres diffèrent entre le formulaire et QUILMOX&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TDeviceProtocol</name>
    <message>
        <source>Application is not a %1</source>
        <translation>L&apos;application n&apos;est pas un %1</translation>
    </message>
    <message>
        <source>Dedudev Version:%1</source>
        <translation>Version Dedudev&#xa0;: %1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <translation>Numéro de série&#xa0;: %1</translation>
    </message>
    <message>
        <source>Data downloaded</source>
        <translation>Données écrites</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Écriture terminée</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lecture terminée</translation>
    </message>
</context>
<context>
    <name>TDeviceSession</name>
    <message>
        <source>QUILMOX was disconnected.</source>
        <translation>QUILMOX a été déconnecté.</translation>
    </message>
    <message>
        <source>QUILMOX stopped answering.</source>
        <translation>QUILMOX ne répond plus.</translation>
    </message>
    <message>
        <source>QUILMOX is in Program Mode</source>
        <translation>QUILMOX est en mode programmation</translation>
    </message>
    <message>
        <source>Cannot find QUILMOX</source>
        <translation>QUILMOX introuvable</translation>
    </message>
    <message>
        <source>Write not completed.</source>
        <translation>Écriture non terminée.</translation>
    </message>
    <message>
        <source>Read not completed.</source>
        <translation>Lecture non terminée.</translation>
    </message>
    <message>
        <source>Compare not completed.</source>
        <translation>Comparaison non terminée.</translation>
    </message>
    <message>
        <source>Signal strength not completed.</source>
        <translation>Mesure de l&apos;intensité du signal non terminée.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>État de l&apos;aide</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Contenu de l&apos;aide</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navigation dans l&apos;aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Rubrique d&apos;aide</translation>
    </message>
    <message>
        <source>Not opened in the help window: %1</source>
        <translation>Non ouvert dans la fenêtre d&apos;aide&#xa0;: %1</translation>
    </message>
    <message>
        <source>This help file has no page %1</source>
        <translation>Ce fichier d&apos;aide n&apos;a pas de page %1</translation>
    </message>
    <message>
        <source>Index keyword</source>
        <translation>Mot-clé de l&apos;index</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Tapez un mot-clé</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Entrées de l&apos;index</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Mots de recherche</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Mots à rechercher</translation>
    </message>
    <message>
        <source>List Topics</source>
        <translation>Lister les rubriques</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Topics found: %1</source>
        <translation>Rubriques trouvées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>Impossible d&apos;afficher l&apos;aide</translation>
    </message>
    <message>
        <source>The help file %1 is damaged: its pages cannot be read. Installing the tool again restores it.</source>
        <translation>Le fichier d&apos;aide %1 est endommagé&#xa0;: ses pages sont illisibles. Réinstaller l&apos;outil le restaure.</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen Help</source>
        <translation>Aide de QUILMOX Parlowen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Message Control</source>
        <translation>Gestion des messages</translation>
    </message>
    <message>
        <source>I/O Control</source>
        <translation>Gestion des E/S</translation>
    </message>
    <message>
        <source>Outputs 1 - 8</source>
        <translation>Sorties 1 - 8</translation>
    </message>
    <message>
        <source>Outputs 9 - 16</source>
        <translation>Sorties 9 - 16</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>N° de téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nom de l&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Request Status</source>
        <translation>Dem. d&apos;état</translation>
    </message>
    <message>
        <source>Inhibit Input</source>
        <translation>Entrée inhib.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>Invert Inputs</source>
        <translation>Inverser les entrées</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Invert None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Invert input %1</source>
        <translation>Inverser l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Invert all inputs</source>
        <translation>Inverser toutes les entrées</translation>
    </message>
    <message>
        <source>Invert no inputs</source>
        <translation>N&apos;inverser aucune entrée</translation>
    </message>
    <message>
        <source>Invert Outputs</source>
        <translation>Inverser les sorties</translation>
    </message>
    <message>
        <source>Invert output %1</source>
        <translation>Inverser la sortie %1</translation>
    </message>
    <message>
        <source>Invert all outputs</source>
        <translation>Inverser toutes les sorties</translation>
    </message>
    <message>
        <source>Invert no outputs</source>
        <translation>N&apos;inverser aucune sortie</translation>
    </message>
    <message>
        <source>Output Start Status</source>
        <translation>État des sorties au démarrage</translation>
    </message>
    <message>
        <source>All Active</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>None Active</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Output start status %1</source>
        <translation>État au démarrage de la sortie %1</translation>
    </message>
    <message>
        <source>All outputs active at start</source>
        <translation>Toutes les sorties actives au démarrage</translation>
    </message>
    <message>
        <source>No outputs active at start</source>
        <translation>Aucune sortie active au démarrage</translation>
    </message>
    <message>
        <source>Send Message on Active Input</source>
        <translation>Envoyer un message sur entrée active</translation>
    </message>
    <message>
        <source>Send message on active input %1</source>
        <translation>Envoyer un message sur entrée %1 active</translation>
    </message>
    <message>
        <source>Send message on all active inputs</source>
        <translation>Envoyer un message sur toutes les entrées actives</translation>
    </message>
    <message>
        <source>Send message on no active input</source>
        <translation>N&apos;envoyer de message sur aucune entrée active</translation>
    </message>
    <message>
        <source>Send Message on Inactive Input</source>
        <translation>Envoyer un message sur entrée inactive</translation>
    </message>
    <message>
        <source>Send message on inactive input %1</source>
        <translation>Envoyer un message sur entrée %1 inactive</translation>
    </message>
    <message>
        <source>Send message on all inactive inputs</source>
        <translation>Envoyer un message sur toutes les entrées inactives</translation>
    </message>
    <message>
        <source>Send message on no inactive input</source>
        <translation>N&apos;envoyer de message sur aucune entrée inactive</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Output %1 on command word</source>
        <translation>Sortie %1&#xa0;: mot de commande Marche</translation>
    </message>
    <message>
        <source>Output %1 on command enabled</source>
        <translation>Sortie %1&#xa0;: commande Marche activée</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Output %1 off command word</source>
        <translation>Sortie %1&#xa0;: mot de commande Arrêt</translation>
    </message>
    <message>
        <source>Output %1 off command enabled</source>
        <translation>Sortie %1&#xa0;: commande Arrêt activée</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bascule</translation>
    </message>
    <message>
        <source>Output %1 toggle command word</source>
        <translation>Sortie %1&#xa0;: mot de commande Bascule</translation>
    </message>
    <message>
        <source>Output %1 toggle command enabled</source>
        <translation>Sortie %1&#xa0;: commande Bascule activée</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impuls.</translation>
    </message>
    <message>
        <source>Output %1 pulse command word</source>
        <translation>Sortie %1&#xa0;: mot de commande Impuls.</translation>
    </message>
    <message>
        <source>Output %1 pulse command enabled</source>
        <translation>Sortie %1&#xa0;: commande Impuls. activée</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Request status keyword</source>
        <translation>Mot-clé de demande d&apos;état</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Fichiers de données (*.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 Vesion: %2</source>
        <translation>%1 – version %2</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <translation>Les données ont changé.
Enregistrer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Compare complete: no differences</source>
        <translation>Comparaison terminée&#xa0;: aucune différence</translation>
    </message>
    <message>
        <source>QUILMOX holds the settings shown.</source>
        <translation>QUILMOX contient les paramètres affichés.</translation>
    </message>
    <message>
        <source>Compare complete: %1 differences</source>
        <translation>Comparaison terminée&#xa0;: %1 différences</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lecture terminée</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Load the file when the write has ended.</source>
        <translation>Écriture de QUILMOX en cours.
Chargez le fichier une fois l&apos;écriture terminée.</translation>
    </message>
    <message>
        <source>QUILMOX is being read.
Load the file when the read has ended.</source>
        <translation>Lecture de QUILMOX en cours.
Chargez le fichier une fois la lecture terminée.</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Closing now leaves it with part of the new settings.
Close anyway?</source>
        <translation>Écriture de QUILMOX en cours.
Fermer maintenant ne lui laisse qu&apos;une partie des nouveaux paramètres.
Fermer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>File Error:</source>
        <translation>Erreur de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>File Saved:</source>
        <translation>Fichier enregistré&#xa0;:</translation>
    </message>
    <message>
        <source>File Loaded:</source>
        <translation>Fichier chargé&#xa0;:</translation>
    </message>
    <message>
        <source>The number of the controller&apos;s inhibit input, 0 to 16.</source>
        <translation>Le numéro de l&apos;entrée d&apos;inhibition du contrôleur, de 0 à 16.</translation>
    </message>
    <message>
        <source>How long the Pulse command keeps the output switched, 10 to 65000.</source>
        <translation>Durée pendant laquelle la commande «&#xa0;Impuls.&#xa0;» maintient la sortie commutée, de 10 à 65000.</translation>
    </message>
    <message>
        <source>The request-status keyword, at most 15 characters; the Request Status box enables it.</source>
        <translation>Le mot-clé de demande d&apos;état, 15 caractères au plus&#xa0;; la case «&#xa0;Dem. d&apos;état&#xa0;» l&apos;active.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>Read From QUILMOX</source>
        <translation>Lire depuis QUILMOX</translation>
    </message>
    <message>
        <source>Write To QUILMOX</source>
        <translation>Écrire dans QUILMOX</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Get Signal Strength</source>
        <translation>Intensité du signal</translation>
    </message>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Comparer à QUILMOX</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Inhibit input</source>
        <translation>Entrée d&apos;inhibition</translation>
    </message>
    <message>
        <source>Request status enabled</source>
        <translation>Demande d&apos;état activée</translation>
    </message>
    <message>
        <source>Pulse period</source>
        <translation>Durée impuls.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Output %1 pulse period</source>
        <translation>Sortie %1&#xa0;: durée d&apos;impulsion</translation>
    </message>
    <message>
        <source>Site Work…</source>
        <translation>Chantier…</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>A batch of controllers from one template and a table of units, each verified and recorded.</source>
        <translation>Un lot de contrôleurs écrits à partir d&apos;un modèle et d&apos;un tableau des unités, chacun vérifié et consigné au registre.</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 command</source>
        <translation>%1&#xa0;: %2, commande %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 enabled</source>
        <translation>%1&#xa0;: %2, commande %3 activée</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 (activé)</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Octets réservés</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen speaks %1 from its next start.</source>
        <translation>QUILMOX Parlowen utilisera %1 dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>System language (%1)</source>
        <translation>Langue du système (%1)</translation>
    </message>
</context>
<context>
    <name>TSignalHistoryStrip</name>
    <message>
        <source>Signal strength history</source>
        <translation>Historique de l&apos;intensité du signal</translation>
    </message>
    <message>
        <source>No values yet</source>
        <translation>Aucune valeur pour l&apos;instant</translation>
    </message>
    <message>
        <source>The last two minutes; latest value %1</source>
        <translation>Les deux dernières minutes&#xa0;; dernière valeur %1</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
</context>
<context>
    <name>TSignalStrengthForm</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Keep refreshing</source>
        <translation>Actualiser en continu</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensité du signal</translation>
    </message>
    <message>
        <source>Refresh signal strength</source>
        <translation>Actualiser l&apos;intensité du signal</translation>
    </message>
    <message>
        <source>Close signal strength window</source>
        <translation>Fermer la fenêtre d&apos;intensité du signal</translation>
    </message>
    <message>
        <source>Asks the controller again every two seconds while this window is shown.</source>
        <translation>Interroge de nouveau le contrôleur toutes les deux secondes tant que cette fenêtre est affichée.</translation>
    </message>
</context>
<context>
    <name>TSiteWorkForm</name>
    <message>
        <source>writing</source>
        <translation>écriture en cours</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>not completed</source>
        <translation>non terminée</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignorée</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Fichiers de données (*.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>The form as shown</source>
        <translation>Le formulaire tel qu&apos;affiché</translation>
    </message>
    <message>
        <source>Template: the form as shown</source>
        <translation>Modèle&#xa0;: le formulaire tel qu&apos;affiché</translation>
    </message>
    <message>
        <source>Every setting a row leaves out is the one the main window shows.</source>
        <translation>Tout paramètre qu&apos;une ligne omet prend la valeur affichée dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Fichier de paramètres&#xa0;:</translation>
    </message>
    <message>
        <source>Template: a settings file</source>
        <translation>Modèle&#xa0;: un fichier de paramètres</translation>
    </message>
    <message>
        <source>Template settings file</source>
        <translation>Fichier de paramètres modèle</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the template settings file</source>
        <translation>Choisir le fichier de paramètres modèle</translation>
    </message>
    <message>
        <source>Units table</source>
        <translation>Tableau des unités</translation>
    </message>
    <message>
        <source>A CSV file: a header naming settings, then one row per controller.</source>
        <translation>Un fichier CSV&#xa0;: un en-tête nommant les paramètres, puis une ligne par contrôleur.</translation>
    </message>
    <message>
        <source>Choose the units table</source>
        <translation>Choisir le tableau des unités</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>Fichier du registre</translation>
    </message>
    <message>
        <source>One line is added per unit: time, serial number and result.</source>
        <translation>Une ligne est ajoutée par unité&#xa0;: heure, numéro de série et résultat.</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Choisir le fichier du registre</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Dossier des sauvegardes</translation>
    </message>
    <message>
        <source>What each controller held before it was written, as a settings file.</source>
        <translation>Ce que contenait chaque contrôleur avant d&apos;être écrit, sous forme de fichier de paramètres.</translation>
    </message>
    <message>
        <source>Choose the backups folder</source>
        <translation>Choisir le dossier des sauvegardes</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Units table:</source>
        <translation>&amp;Tableau des unités&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Registre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Sauvegardes&#xa0;:</translation>
    </message>
    <message>
        <source>Problems of the units table</source>
        <translation>Problèmes du tableau des unités</translation>
    </message>
    <message>
        <source>Rows of the units table</source>
        <translation>Lignes du tableau des unités</translation>
    </message>
    <message>
        <source>Each row&apos;s settings that differ from the template, and how far it has come.</source>
        <translation>Les paramètres de chaque ligne qui diffèrent du modèle, et son avancement.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Differences from the template</source>
        <translation>Différences avec le modèle</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>Progress of the unit under way</source>
        <translation>Progression de l&apos;unité en cours</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>Site work log</source>
        <translation>Journal du chantier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Between units the batch ends at once; during one, after its step.</source>
        <translation>Entre deux unités, le lot s&apos;arrête aussitôt&#xa0;; pendant une unité, après l&apos;étape en cours.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the folder of the record</source>
        <translation>Ouvrir le dossier du registre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Choose the units table.</source>
        <translation>Choisissez le tableau des unités.</translation>
    </message>
    <message>
        <source>Correct the units table: nothing is written while it has errors.</source>
        <translation>Corrigez le tableau des unités&#xa0;: rien n&apos;est écrit tant qu&apos;il contient des erreurs.</translation>
    </message>
    <message>
        <source>Press Start, then plug in the first controller.</source>
        <translation>Cliquez sur Démarrer, puis branchez le premier contrôleur.</translation>
    </message>
    <message>
        <source>The template or the table has changed: check the rows, then press Start again.</source>
        <translation>Le modèle ou le tableau a changé&#xa0;: examinez les lignes, puis cliquez de nouveau sur Démarrer.</translation>
    </message>
    <message>
        <source>Every row is verified.</source>
        <translation>Toutes les lignes sont vérifiées.</translation>
    </message>
    <message>
        <source>Every row is done; a unit differs from its row: see the record.</source>
        <translation>Toutes les lignes sont traitées&#xa0;; une unité diffère de sa ligne&#xa0;: voir le registre.</translation>
    </message>
    <message>
        <source>Stopped: the record or a backup could not be written.</source>
        <translation>Arrêt&#xa0;: impossible d&apos;écrire le registre ou une sauvegarde.</translation>
    </message>
    <message>
        <source>Stopped. Rows pending: %1. Press Start to go on.</source>
        <translation>Arrêté. Lignes en attente&#xa0;: %1. Cliquez sur Démarrer pour continuer.</translation>
    </message>
    <message>
        <source>A batch is running.
Stop it before closing.</source>
        <translation>Un lot est en cours.
Arrêtez-le avant de fermer.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>&quot;%1&quot; must be on or off, true or false, yes or no, 1 or 0</source>
        <translation>«&#xa0;%1&#xa0;» doit valoir on ou off, true ou false, yes ou no, 1 ou 0</translation>
    </message>
    <message>
        <source>the table is empty: its first line names the settings of its columns</source>
        <translation>le tableau est vide&#xa0;: sa première ligne nomme les paramètres de ses colonnes</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>la colonne %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names columns %2 and %3</source>
        <translation>«&#xa0;%1&#xa0;» nomme les colonnes %2 et %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un paramètre</translation>
    </message>
    <message>
        <source>the header names no setting, only the serial number</source>
        <translation>l&apos;en-tête ne nomme aucun paramètre, seulement le numéro de série</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>la ligne a %1 cellules, l&apos;en-tête %2</translation>
    </message>
    <message>
        <source>&quot;serial&quot; is empty: each row names its controller</source>
        <translation>«&#xa0;serial&#xa0;» est vide&#xa0;: chaque ligne nomme son contrôleur</translation>
    </message>
    <message>
        <source>&quot;serial&quot; must be a serial number as info reports it, from -2147483648 to 2147483647</source>
        <translation>«&#xa0;serial&#xa0;» doit être un numéro de série tel que info l&apos;indique, de -2147483648 à 2147483647</translation>
    </message>
    <message>
        <source>&quot;serial&quot; %1 is on lines %2 and %3</source>
        <translation>«&#xa0;serial&#xa0;» %1 figure aux lignes %2 et %3</translation>
    </message>
    <message>
        <source>&quot;device_name&quot; %1 is on lines %2 and %3</source>
        <translation>«&#xa0;device_name&#xa0;» %1 figure aux lignes %2 et %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>column %1:</source>
        <translation>colonne %1&#xa0;:</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 in the row, %3 in the template</source>
        <translation>%1&#xa0;: %2 dans la ligne, %3 dans le modèle</translation>
    </message>
    <message>
        <source>row %1 (device_name %2)</source>
        <translation>ligne %1 (device_name %2)</translation>
    </message>
    <message>
        <source>row %1 (serial %2)</source>
        <translation>ligne %1 (serial %2)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
</context>
</TS>
