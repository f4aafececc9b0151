<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CaptureOpener</name>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>The file %1 holds no notice that tells its form: choose the form on the menu, then open the file again.</source>
        <translation>Le fichier %1 ne contient aucune fiche qui indique son formulaire : choisissez le formulaire dans le menu, puis ouvrez de nouveau le fichier.</translation>
    </message>
</context>
<context>
    <name>CaptureWindow</name>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Writes the notices of the file to a spreadsheet: CSV, Excel, OpenDocument or JSON</source>
        <translation>Écrit les fiches du fichier dans une feuille de calcul : CSV, Excel, OpenDocument ou JSON</translation>
    </message>
    <message>
        <source>Export the notices</source>
        <translation>Exporter les fiches</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>The notices were not exported: %1</source>
        <translation>Les fiches n&apos;ont pas été exportées : %1</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Prints the report of the file: its notices, their items and antenna patterns (or writes it as a PDF file)</source>
        <translation>Imprime le rapport du fichier : ses fiches, leurs éléments et leurs diagrammes d&apos;antenne (ou l&apos;enregistre en PDF)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Le rapport n&apos;a pas été imprimé : %1</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message numerus="yes">
        <source>Report of %n notice(s) printed: %1 pages</source>
        <translation>
            <numerusform>Rapport de %n fiche imprimé : %1 pages</numerusform>
            <numerusform>Rapport de %n fiches imprimé : %1 pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notice(s) exported to %1</source>
        <translation>
            <numerusform>%n fiche exportée dans %1</numerusform>
            <numerusform>%n fiches exportées dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden file(s) left beside the file by a run stopped midway removed</source>
        <translation>
            <numerusform>%n fichier caché laissé à côté du fichier par une exécution interrompue a été supprimé</numerusform>
            <numerusform>%n fichiers cachés laissés à côté du fichier par une exécution interrompue ont été supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Shows only the notices whose frequency or site name holds this text.</source>
        <translation>N&apos;affiche que les fiches dont la fréquence ou le nom du site contient ce texte.</translation>
    </message>
    <message>
        <source>Filter the notices</source>
        <translation>Filtrer les fiches</translation>
    </message>
</context>
<context>
    <name>CellReadings</name>
    <message>
        <source>a longitude (+DDDMMSS, e.g. +0022030)</source>
        <translation>une longitude (+DDDMMSS, p. ex. +0022030)</translation>
    </message>
    <message>
        <source>a latitude (+DDMMSS, e.g. +485310)</source>
        <translation>une latitude (+DDMMSS, p. ex. +485310)</translation>
    </message>
    <message>
        <source>a date (YYYY-MM-DD, e.g. 2005-12-07)</source>
        <translation>une date (AAAA-MM-JJ, p. ex. 2005-12-07)</translation>
    </message>
    <message>
        <source>an hour (HH:MM, e.g. 08:30)</source>
        <translation>une heure (HH:MM, p. ex. 08:30)</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 n&apos;est pas %2</translation>
    </message>
    <message>
        <source>%1 is a date or time cell of the spreadsheet, not the text typed: format the column as text and type the value again</source>
        <translation>%1 est une cellule de date ou d&apos;heure du tableur, pas le texte saisi : appliquez le format texte à la colonne et saisissez de nouveau la valeur</translation>
    </message>
    <message>
        <source>%1 is a true/false cell of the spreadsheet, not a value</source>
        <translation>%1 est une cellule vrai/faux du tableur, pas une valeur</translation>
    </message>
    <message>
        <source>%1 is an error of the spreadsheet, not a value</source>
        <translation>%1 est une erreur du tableur, pas une valeur</translation>
    </message>
</context>
<context>
    <name>CsvFiles</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>ligne %1 : un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that is not quoted</source>
        <translation>ligne %1 : un guillemet dans un champ qui n&apos;est pas entre guillemets</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>ligne %1 : du texte après le guillemet fermant d&apos;un champ</translation>
    </message>
    <message>
        <source>line %1: a field is too long to be read</source>
        <translation>ligne %1 : un champ est trop long pour être lu</translation>
    </message>
</context>
<context>
    <name>DraftKeeper</name>
    <message>
        <source>The notice on the screen cannot be kept in a draft: %1</source>
        <translation>La fiche affichée ne peut pas être conservée en brouillon : %1</translation>
    </message>
    <message>
        <source>A damaged draft of a notice was discarded (%1)</source>
        <translation>Un brouillon de fiche endommagé a été supprimé (%1)</translation>
    </message>
    <message>
        <source>Notice not saved</source>
        <translation>Fiche non sauvegardée</translation>
    </message>
    <message>
        <source>A notice typed on %1 was not saved.

Restore: it is put back on the screen.
Discard: it is deleted.</source>
        <translation>Une fiche saisie le %1 n&apos;a pas été sauvegardée.

Restaurer : elle est remise à l&apos;écran.
Abandonner : elle est supprimée.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>The notice typed on %1 is back on the screen</source>
        <translation>La fiche saisie le %1 est de nouveau à l&apos;écran</translation>
    </message>
    <message>
        <source>The notice typed on %1 is back on the screen, except %2</source>
        <translation>La fiche saisie le %1 est de nouveau à l&apos;écran, sauf %2</translation>
    </message>
</context>
<context>
    <name>DraftText</name>
    <message>
        <source>not a JSON object</source>
        <translation>ce n’est pas un objet JSON</translation>
    </message>
    <message>
        <source>a format this version does not know</source>
        <translation>un format que cette version ne connaît pas</translation>
    </message>
    <message>
        <source>a form this version does not know</source>
        <translation>un formulaire que cette version ne connaît pas</translation>
    </message>
    <message>
        <source>it is incomplete</source>
        <translation>il est incomplet</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is too large to be a draft</source>
        <translation>il est trop volumineux pour être un brouillon</translation>
    </message>
    <message>
        <source>one of its entries is damaged</source>
        <translation>une de ses entrées est endommagée</translation>
    </message>
</context>
<context>
    <name>FaultListDialog</name>
    <message>
        <source>1 fault: nothing imported</source>
        <translation>1 erreur : rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1 faults: nothing imported</source>
        <translation>%1 erreurs : rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1 has a fault. No notice was imported and no file written.</source>
        <translation>%1 contient une erreur. Aucune fiche n&apos;a été importée et aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 has %2 faults. No notice was imported and no file written.</source>
        <translation>%1 contient %2 erreurs. Aucune fiche n&apos;a été importée et aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>FinishedNoticeFile</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
</context>
<context>
    <name>ImportRows</name>
    <message>
        <source>the file has no header row</source>
        <translation>le fichier n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>no column name</source>
        <translation>pas de nom de colonne</translation>
    </message>
    <message>
        <source>%1 is no key of the notice file</source>
        <translation>%1 n&apos;est pas une clé du fichier de fiches</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 figure deux fois</translation>
    </message>
    <message>
        <source>the header row names no column</source>
        <translation>la ligne d&apos;en-tête ne nomme aucune colonne</translation>
    </message>
    <message>
        <source>%1 stands in a column with no name</source>
        <translation>%1 se trouve dans une colonne sans nom</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>the file is not a JSON array of notices</source>
        <translation>le fichier n&apos;est pas un tableau JSON de fiches</translation>
    </message>
    <message>
        <source>text after the array</source>
        <translation>du texte après le tableau</translation>
    </message>
    <message>
        <source>notice %1</source>
        <translation>fiche %1</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>the value of %1 is not a text</source>
        <translation>la valeur de %1 n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>%1, column %2: %3</source>
        <translation>%1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Import a spreadsheet...</source>
        <translation>Importer une feuille de calcul...</translation>
    </message>
    <message>
        <source>Notice files (*.txt)</source>
        <translation>Fichiers de fiches (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Ouvrir un fichier...</translation>
    </message>
</context>
<context>
    <name>NoticeCheck</name>
    <message>
        <source>--export %1 writes a binary file, not for a terminal: give --output OUT or redirect the standard output to a file</source>
        <translation>--export %1 écrit un fichier binaire, pas pour un terminal : donnez --output OUT ou redirigez la sortie standard vers un fichier</translation>
    </message>
    <message>
        <source>--output: OUT is the FILE to export</source>
        <translation>--output : OUT est le fichier FILE à exporter</translation>
    </message>
    <message>
        <source>Checks electronic notice files and reports every fault with its line number; exports the notices of a sound file to a spreadsheet.</source>
        <translation>Vérifie des fichiers électroniques de fiches et signale chaque erreur avec son numéro de ligne ; exporte les fiches d&apos;un fichier correct vers un tableur.</translation>
    </message>
    <message>
        <source>Write the notices of one sound FILE as csv, json, xlsx or ods, one row per notice, keyed by the file&apos;s own keys: to the standard output, or to OUT with --output.</source>
        <translation>Écrit les fiches d&apos;un fichier FILE correct en csv, json, xlsx ou ods, une ligne par fiche, sous les clés du fichier lui-même : vers la sortie standard, ou vers OUT avec --output.</translation>
    </message>
    <message>
        <source>--export takes csv, json, xlsx or ods and one FILE</source>
        <translation>--export prend csv, json, xlsx ou ods et un seul fichier FILE</translation>
    </message>
    <message>
        <source>%1: not exported: %2</source>
        <translation>%1 : non exporté : %2</translation>
    </message>
    <message>
        <source>Write the report of one sound FILE as a PDF to OUT (--output): the list of its notices, then each notice with its items, coordination and antenna patterns, page by page.</source>
        <translation>Écrit le rapport d&apos;un FILE sans défaut en PDF dans OUT (--output) : la liste de ses fiches, puis chaque fiche avec ses éléments, sa coordination et ses diagrammes d&apos;antenne, page par page.</translation>
    </message>
    <message>
        <source>With --report: the language of the report, en, fr or es (en).</source>
        <translation>Avec --report : la langue du rapport, en, fr ou es (en).</translation>
    </message>
    <message>
        <source>With --export or --report: the file to write, whole or not at all. A report, an xlsx or an ods file needs it (or, for xlsx and ods, the standard output redirected to a file).</source>
        <translation>Avec --export ou --report : le fichier à écrire, entier ou pas du tout. Un rapport, un fichier xlsx ou ods en a besoin (ou, pour xlsx et ods, d&apos;une sortie standard redirigée vers un fichier).</translation>
    </message>
    <message>
        <source>--output goes with --export or --report</source>
        <translation>--output va avec --export ou --report</translation>
    </message>
    <message>
        <source>--language goes with --report</source>
        <translation>--language va avec --report</translation>
    </message>
    <message>
        <source>--report takes pdf, one FILE, --output OUT and optionally --language en, fr or es</source>
        <translation>--report prend pdf, un seul FILE, --output OUT et éventuellement --language en, fr ou es</translation>
    </message>
    <message>
        <source>--output: OUT is the FILE to report</source>
        <translation>--output : OUT est le FILE du rapport</translation>
    </message>
    <message>
        <source>no report written: %1</source>
        <translation>aucun rapport écrit : %1</translation>
    </message>
</context>
<context>
    <name>NoticeExport</name>
    <message>
        <source>line %1: %2: the notice file is not sound</source>
        <translation>ligne %1 : %2 : le fichier de fiches n&apos;est pas correct</translation>
    </message>
</context>
<context>
    <name>NoticeFileChecker</name>
    <message>
        <source>line longer than %1 characters</source>
        <translation>ligne de plus de %1 caractères</translation>
    </message>
    <message>
        <source>line end missing</source>
        <translation>fin de ligne manquante</translation>
    </message>
    <message>
        <source>line end is not CR LF</source>
        <translation>la fin de ligne n&apos;est pas CR LF</translation>
    </message>
    <message>
        <source>byte 0x%1 is undefined in %2</source>
        <translation>l&apos;octet 0x%1 n&apos;est pas défini dans %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>header line %1 missing (%2...)</source>
        <translation>ligne d&apos;en-tête %1 manquante (%2...)</translation>
    </message>
    <message>
        <source>text after the final empty line</source>
        <translation>du texte après la dernière ligne vide</translation>
    </message>
    <message>
        <source>header line %1 does not begin with %2</source>
        <translation>la ligne d&apos;en-tête %1 ne commence pas par %2</translation>
    </message>
    <message>
        <source>unknown section tag %1</source>
        <translation>balise de section inconnue %1</translation>
    </message>
    <message>
        <source>%1 repeated</source>
        <translation>%1 en double</translation>
    </message>
    <message>
        <source>%1 out of place</source>
        <translation>%1 n&apos;est pas à sa place</translation>
    </message>
    <message>
        <source>%1 out of place: it follows the TAIL</source>
        <translation>%1 n&apos;est pas à sa place : après la section TAIL</translation>
    </message>
    <message>
        <source>%1 out of place: the file has no notice</source>
        <translation>%1 n&apos;est pas à sa place : le fichier ne contient aucune fiche</translation>
    </message>
    <message>
        <source>%1 out of order</source>
        <translation>%1 n&apos;est pas dans l&apos;ordre</translation>
    </message>
    <message>
        <source>%1 in a notice of type TB5</source>
        <translation>%1 dans une fiche de type TB5</translation>
    </message>
    <message>
        <source>empty line missing before %1</source>
        <translation>ligne vide manquante avant %1</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 sans %2</translation>
    </message>
    <message>
        <source>%1 of line %2 not closed</source>
        <translation>%1 de la ligne %2 sans balise de fermeture</translation>
    </message>
    <message>
        <source>%1 section is empty</source>
        <translation>la section %1 est vide</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>empty line out of place</source>
        <translation>ligne vide mal placée</translation>
    </message>
    <message>
        <source>the file was not finished (open it with notice-capture, FILE on the command line or &quot;Open a file...&quot; on the menu, and press Finish to finish it)</source>
        <translation>le fichier n&apos;a pas été terminé (ouvrez-le avec notice-capture, FILE sur la ligne de commande ou « Ouvrir un fichier... » dans le menu, puis appuyez sur Fin pour le terminer)</translation>
    </message>
    <message>
        <source>%1 missing: %2</source>
        <translation>il manque %1 : %2</translation>
    </message>
    <message>
        <source>final empty line missing: %1</source>
        <translation>il manque la dernière ligne vide : %1</translation>
    </message>
    <message>
        <source>line is not &quot;key = value&quot;</source>
        <translation>la ligne n&apos;est pas de la forme « clé = valeur »</translation>
    </message>
    <message>
        <source>blank around the key %1</source>
        <translation>espace autour de la clé %1</translation>
    </message>
    <message>
        <source>key %1 outside a section</source>
        <translation>clé %1 hors de toute section</translation>
    </message>
    <message>
        <source>key %1 out of place in %2</source>
        <translation>la clé %1 n&apos;a pas sa place dans %2</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>empty value for %1</source>
        <translation>valeur vide pour %1</translation>
    </message>
    <message>
        <source>tab in the value for %1</source>
        <translation>tabulation dans la valeur de %1</translation>
    </message>
    <message>
        <source>control character 0x%1 in the value for %2</source>
        <translation>caractère de contrôle 0x%1 dans la valeur de %2</translation>
    </message>
    <message>
        <source>blank around the value for %1</source>
        <translation>espace autour de la valeur de %1</translation>
    </message>
    <message numerus="yes">
        <source>value for %1 longer than %n character</source>
        <translation>
            <numerusform>valeur de %1 de plus de %n caractère</numerusform>
            <numerusform>valeur de %1 de plus de %n caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>value for %1 longer than %n characters</source>
        <translation>
            <numerusform>valeur de %1 de plus de %n caractère</numerusform>
            <numerusform>valeur de %1 de plus de %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2, expected %3</source>
        <translation>%1 vaut %2, attendu : %3</translation>
    </message>
    <message>
        <source>key %1 out of order</source>
        <translation>la clé %1 n&apos;est pas dans l&apos;ordre</translation>
    </message>
    <message>
        <source>key %1 repeated</source>
        <translation>clé %1 en double</translation>
    </message>
    <message>
        <source>more than %1 %2 lines</source>
        <translation>plus de %1 lignes %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, the file has %n notice</source>
        <translation>
            <numerusform>%1 vaut %2, le fichier contient %n fiche</numerusform>
            <numerusform>%1 vaut %2, le fichier contient %n fiches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, the file has %n notices</source>
        <translation>
            <numerusform>%1 vaut %2, le fichier contient %n fiche</numerusform>
            <numerusform>%1 vaut %2, le fichier contient %n fiches</numerusform>
        </translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>letters, no digit</source>
        <translation>des lettres, sans chiffre</translation>
    </message>
    <message>
        <source>a code that is not a number</source>
        <translation>un code qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l&apos;une des valeurs %1</translation>
    </message>
    <message>
        <source>a date YYYY-MM-DD</source>
        <translation>une date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>an hour HH:MM from 00:00 to 24:00</source>
        <translation>une heure HH:MM de 00:00 à 24:00</translation>
    </message>
    <message>
        <source>a longitude +DDDMMSS (degrees 0 to 180, minutes and seconds 0 to 59)</source>
        <translation>une longitude +DDDMMSS (degrés de 0 à 180, minutes et secondes de 0 à 59)</translation>
    </message>
    <message>
        <source>a latitude +DDMMSS (degrees 0 to 90, minutes and seconds 0 to 59)</source>
        <translation>une latitude +DDMMSS (degrés de 0 à 90, minutes et secondes de 0 à 59)</translation>
    </message>
</context>
<context>
    <name>NoticeFileSession</name>
    <message>
        <source>Notice not saved</source>
        <translation>Fiche non sauvegardée</translation>
    </message>
    <message>
        <source>The notice has no frequency and no coordinates: it was not saved.</source>
        <translation>La fiche n&apos;a ni fréquence ni coordonnées : elle n&apos;a pas été sauvegardée.</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; holds the character %2, which the notice file cannot hold: the notice was not saved.</source>
        <translation>La case « %1 » contient le caractère %2, que le fichier de fiches ne peut pas contenir : la fiche n&apos;a pas été sauvegardée.</translation>
    </message>
    <message>
        <source>The file was not started; the screen stays as it was.</source>
        <translation>Le fichier n&apos;a pas été commencé ; l&apos;écran reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>The file %1 exists already.

Replace: a new file takes its place, and the notices it holds are lost.
Continue: the notice is added to the notices it holds.
Cancel: nothing is saved, the screen stays as it is.</source>
        <translation>Le fichier %1 existe déjà.

Remplacer : un nouveau fichier prend sa place, et les fiches qu&apos;il contient sont perdues.
Continuer : la fiche est ajoutée aux fiches qu&apos;il contient.
Annuler : rien n&apos;est sauvegardé, l&apos;écran reste tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The file exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>The file holds the notices of the administration %1, shown now in its box. The notice was not saved: check it, then press Save/Next again.</source>
        <translation>Le fichier contient les fiches de l&apos;administration %1, affichée maintenant dans sa case. La fiche n&apos;a pas été sauvegardée : vérifiez-la, puis appuyez de nouveau sur Sauvegarder.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 notices: open it on the %2 form, not on the %3 form.</source>
        <translation>Le fichier %1 contient des fiches %2 : ouvrez-le avec le formulaire %2, non avec le formulaire %3.</translation>
    </message>
    <message>
        <source>Notice file opened</source>
        <translation>Fichier de fiches ouvert</translation>
    </message>
    <message>
        <source>The file %1 was not finished, and its end is damaged: %2.</source>
        <translation>Le fichier %1 n&apos;était pas terminé, et sa fin est endommagée : %2.</translation>
    </message>
    <message>
        <source>The notice was not replaced; the file is as it was, and the notice stays on the screen.</source>
        <translation>La fiche n&apos;a pas été remplacée ; le fichier est tel qu&apos;il était, et la fiche reste à l&apos;écran.</translation>
    </message>
    <message>
        <source>The notice was not saved; it stays on the screen.</source>
        <translation>La fiche n&apos;a pas été sauvegardée ; elle reste à l&apos;écran.</translation>
    </message>
    <message>
        <source>Correct a notice</source>
        <translation>Corriger une fiche</translation>
    </message>
    <message>
        <source>The notices of %1 cannot be corrected: it is not a plain file.</source>
        <translation>Les fiches de %1 ne peuvent pas être corrigées : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The screen holds a notice that is not saved: press Save/Next or Reset before you choose a notice to correct.</source>
        <translation>L&apos;écran contient une fiche non sauvegardée : appuyez sur Sauvegarder ou sur Remise à zéro avant de choisir une fiche à corriger.</translation>
    </message>
    <message>
        <source>the screen gives it back otherwise</source>
        <translation>l&apos;écran la restitue autrement</translation>
    </message>
    <message>
        <source>Notice %1 cannot be put back on the screen exactly as the file holds it (%2); it is left as it is.</source>
        <translation>La fiche %1 ne peut pas être remise à l&apos;écran exactement telle que le fichier la contient (%2) ; elle reste telle quelle.</translation>
    </message>
    <message>
        <source>File not finished</source>
        <translation>Fichier non terminé</translation>
    </message>
    <message>
        <source>The file is not finished: mend the fault, then press Finish again.</source>
        <translation>Le fichier n&apos;est pas terminé : corrigez le problème, puis appuyez de nouveau sur Fin.</translation>
    </message>
    <message>
        <source>File not closed</source>
        <translation>Fichier non fermé</translation>
    </message>
    <message>
        <source>Every line had been written to the disk before; check the file.</source>
        <translation>Toutes les lignes avaient déjà été écrites sur le disque ; vérifiez le fichier.</translation>
    </message>
    <message>
        <source>Notice file not opened</source>
        <translation>Fichier de fiches non ouvert</translation>
    </message>
    <message>
        <source>The file %1 is not a notice file that can be continued: line %2: %3.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de fiches qui peut être poursuivi : ligne %2 : %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more fault(s) follow.</source>
        <translation>
            <numerusform>%n autre erreur suit.</numerusform>
            <numerusform>%n autres erreurs suivent.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close and discard the notice on the screen?</source>
        <translation>Fermer et abandonner la fiche affichée ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The file %1 holds 1 notice: replace it and lose it?</source>
        <translation>Le fichier %1 contient 1 fiche : le remplacer et la perdre ?</translation>
    </message>
    <message>
        <source>The file %1 holds %2 notices: replace it and lose them?</source>
        <translation>Le fichier %1 contient %2 fiches : le remplacer et les perdre ?</translation>
    </message>
    <message>
        <source>Replace the file</source>
        <translation>Remplacer le fichier</translation>
    </message>
</context>
<context>
    <name>NoticeFileStore</name>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2.</source>
        <translation>Impossible de lire le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a notice file that can be continued: line %2: %3</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de fiches qui peut être poursuivi : ligne %2 : %3</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more faults)</source>
        <translation>
            <numerusform> (et %n autre erreur)</numerusform>
            <numerusform> (et %n autres erreurs)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 was changed, moved or deleted by another program while it was open here; nothing was written to it.</source>
        <translation>Le fichier %1 a été modifié, déplacé ou supprimé par un autre programme pendant qu&apos;il était ouvert ici ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>Notice %1 of the file %2 cannot be replaced.</source>
        <translation>La fiche %1 du fichier %2 ne peut pas être remplacée.</translation>
    </message>
    <message>
        <source>Notice %1 cannot be put back on the screen exactly as the file holds it; it is left as it is.</source>
        <translation>La fiche %1 ne peut pas être remise à l&apos;écran exactement telle que le fichier la contient ; elle reste telle quelle.</translation>
    </message>
    <message>
        <source> The file ends with part of a line that could not be written, which cannot be cut off: every saved notice is in it; open the file again to finish it.</source>
        <translation> Le fichier se termine par une partie de ligne qui n&apos;a pas pu être écrite et qui ne peut pas être supprimée : toutes les fiches sauvegardées s&apos;y trouvent ; ouvrez de nouveau le fichier pour le terminer.</translation>
    </message>
</context>
<context>
    <name>NoticeImport</name>
    <message>
        <source>%1 is not one of %2</source>
        <translation>%1 ne fait pas partie des valeurs %2</translation>
    </message>
    <message>
        <source>%1 does not fit the boxes of a date</source>
        <translation>%1 ne tient pas dans les cases d&apos;une date</translation>
    </message>
    <message>
        <source>%1 is longer than its box (%2 characters at most)</source>
        <translation>%1 est plus long que sa case (%2 caractères au plus)</translation>
    </message>
    <message>
        <source>%1 is not %2, the notifying administration of the rows before: a notice file has only one</source>
        <translation>%1 n&apos;est pas %2, l&apos;administration notificatrice des lignes précédentes : un fichier de fiches n&apos;en a qu&apos;une</translation>
    </message>
    <message>
        <source>%1 is no date of the calendar</source>
        <translation>%1 n&apos;est pas une date du calendrier</translation>
    </message>
    <message>
        <source>%1 is not written: the %2 form has no box for this column</source>
        <translation>%1 n&apos;est pas écrit : le formulaire %2 n&apos;a pas de case pour cette colonne</translation>
    </message>
    <message>
        <source>%1 is not written: the %2 form leaves this column out of such a notice (its intention, fragment, polarization or antenna)</source>
        <translation>%1 n&apos;est pas écrit : le formulaire %2 omet cette colonne dans une telle fiche (du fait de son intention, de son fragment, de sa polarisation ou de son antenne)</translation>
    </message>
    <message>
        <source>empty, but the %1 form writes %2 here</source>
        <translation>vide, mais le formulaire %1 écrit ici %2</translation>
    </message>
    <message>
        <source>%1 is written in capitals by the %2 form: %3</source>
        <translation>%1 est écrit en majuscules par le formulaire %2 : %3</translation>
    </message>
    <message>
        <source>%1 is written %2 by the %3 form</source>
        <translation>%1 est écrit %2 par le formulaire %3</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <translation>%1 : %2 : %3</translation>
    </message>
    <message>
        <source>empty: a notice cannot be saved without its notifying administration</source>
        <translation>vide : une fiche ne peut pas être sauvegardée sans son administration notificatrice</translation>
    </message>
    <message>
        <source>no frequency and no coordinates: a notice cannot be saved without one of them</source>
        <translation>ni fréquence ni coordonnées : une fiche ne peut pas être sauvegardée sans l&apos;une ou l&apos;autre</translation>
    </message>
    <message>
        <source>%1 holds %2, which a notice file cannot hold</source>
        <translation>%1 contient %2, qu&apos;un fichier de fiches ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 % read</source>
        <translation>%1 % lu</translation>
    </message>
    <message>
        <source>the output file %1 is the file to import</source>
        <translation>le fichier de sortie %1 est le fichier à importer</translation>
    </message>
    <message>
        <source>%1: the file to import must be a plain file, not a pipe or a device</source>
        <translation>%1 : le fichier à importer doit être un fichier ordinaire, pas un tube ni un périphérique</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>and 1 more fault</source>
        <translation>et 1 autre erreur</translation>
    </message>
    <message>
        <source>and %1 more faults</source>
        <translation>et %1 autres erreurs</translation>
    </message>
    <message>
        <source>no notice to import; no file written</source>
        <translation>aucune fiche à importer ; aucun fichier écrit</translation>
    </message>
    <message>
        <source>nothing imported: no file written</source>
        <translation>rien n&apos;a été importé : aucun fichier écrit</translation>
    </message>
</context>
<context>
    <name>NoticeList</name>
    <message>
        <source>The notices of the file. Double-click a notice, or press Enter on it, to correct it.</source>
        <translation>Les fiches du fichier. Double-cliquez sur une fiche, ou appuyez sur Entrée, pour la corriger.</translation>
    </message>
    <message>
        <source>Notices of the file</source>
        <translation>Fiches du fichier</translation>
    </message>
</context>
<context>
    <name>NoticeListModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Fragment</source>
        <translation>Fragment</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Nom du site</translation>
    </message>
</context>
<context>
    <name>NoticeReport</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Fragment</source>
        <translation>Fragment</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Administration %1 - captured on %2</source>
        <translation>Administration %1 - saisi le %2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>Notices of the file</source>
        <translation>Fiches du fichier</translation>
    </message>
    <message>
        <source>Notice %1</source>
        <translation>Fiche %1</translation>
    </message>
    <message>
        <source>11 Coordination completed with</source>
        <translation>11 Coordination menée à bien avec</translation>
    </message>
    <message>
        <source>the report cannot be written</source>
        <translation>le rapport ne peut pas être écrit</translation>
    </message>
    <message>
        <source>the file changed while its report was written</source>
        <translation>le fichier a changé pendant l&apos;écriture de son rapport</translation>
    </message>
</context>
<context>
    <name>OperatorTexts</name>
    <message>
        <source>Reset</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Clear the notice on the screen without saving it?</source>
        <translation>Effacer la fiche affichée sans la sauvegarder ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Notice %1 replaced</source>
        <translation>Fiche %1 remplacée</translation>
    </message>
    <message>
        <source>Notice %1 saved</source>
        <translation>Fiche %1 sauvegardée</translation>
    </message>
    <message>
        <source>Notice %1 replaced: %2</source>
        <translation>Fiche %1 remplacée : %2</translation>
    </message>
    <message>
        <source>Notice %1 saved: %2</source>
        <translation>Fiche %1 sauvegardée : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notice(s) in %1</source>
        <translation>
            <numerusform>%n fiche dans %1</numerusform>
            <numerusform>%n fiches dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished: %n notice(s) written to %1</source>
        <translation>
            <numerusform>Terminé : %n fiche écrite dans %1</numerusform>
            <numerusform>Terminé : %n fiches écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Correcting notice %1 of %2</source>
        <translation>Correction de la fiche %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PatternCaptions</name>
    <message>
        <source>Effective antenna height [m]</source>
        <translation>Hauteur d&apos;antenne équivalente [m]</translation>
    </message>
    <message>
        <source>Attenuation, horizontal component [dB]</source>
        <translation>Affaiblissement, composante horizontale [dB]</translation>
    </message>
    <message>
        <source>Attenuation, vertical component [dB]</source>
        <translation>Affaiblissement, composante verticale [dB]</translation>
    </message>
    <message>
        <source>No values</source>
        <translation>Aucune valeur</translation>
    </message>
    <message>
        <source>Largest attenuation %1 dB at %2</source>
        <translation>Affaiblissement maximal %1 dB à %2</translation>
    </message>
    <message>
        <source>Largest height %1 m at %2</source>
        <translation>Hauteur maximale %1 m à %2</translation>
    </message>
    <message>
        <source>marked: %1</source>
        <translation>signalé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PatternView</name>
    <message>
        <source>Polar diagram %1</source>
        <translation>Diagramme polaire %1</translation>
    </message>
</context>
<context>
    <name>ReportItems</name>
    <message>
        <source>Notice type</source>
        <translation>Type de fiche</translation>
    </message>
</context>
<context>
    <name>SavedNoticeFile</name>
    <message>
        <source>it holds no complete notice, and is started afresh when the next notice is saved</source>
        <translation>il ne contient aucune fiche complète, et il est recommencé à la sauvegarde de la prochaine fiche</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>notice %1, from line %2, is cut off before its end: it is left out</source>
        <translation>la fiche %1, à partir de la ligne %2, est coupée avant sa fin : elle est écartée</translation>
    </message>
    <message>
        <source>the lines from line %1 on hold no complete notice: they are left out</source>
        <translation>les lignes à partir de la ligne %1 ne contiennent aucune fiche complète : elles sont écartées</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheets (*.ods)</source>
        <translation>Feuilles de calcul OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Spreadsheets (%1)</source>
        <translation>Feuilles de calcul (%1)</translation>
    </message>
    <message>
        <source>%1 is the notice file itself</source>
        <translation>%1 est le fichier de fiches lui-même</translation>
    </message>
    <message>
        <source>the spreadsheet has no table</source>
        <translation>le document tableur ne contient aucune feuille</translation>
    </message>
    <message>
        <source>the row has more than %L1 columns</source>
        <translation>la ligne a plus de %L1 colonnes</translation>
    </message>
    <message>
        <source>the file is not a workbook that can be read: %1</source>
        <translation>le fichier n&apos;est pas un classeur lisible : %1</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the sheet has more rows than the %L1 that a sheet can hold</source>
        <translation>la feuille a plus de lignes que les %L1 qu&apos;une feuille peut contenir</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>le fichier ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>it is not a zip package, or a damaged one</source>
        <translation>ce n&apos;est pas une archive zip, ou elle est endommagée</translation>
    </message>
    <message>
        <source>its sheet %1 is missing or damaged</source>
        <translation>sa feuille %1 est absente ou endommagée</translation>
    </message>
    <message>
        <source>%1 (line %2 of its sheet)</source>
        <translation>%1 (ligne %2 de sa feuille)</translation>
    </message>
    <message>
        <source>the workbook has no sheet</source>
        <translation>le classeur ne contient aucune feuille</translation>
    </message>
    <message>
        <source>the workbook does not say where its first sheet is</source>
        <translation>le classeur n&apos;indique pas où se trouve sa première feuille</translation>
    </message>
    <message>
        <source>its part %1 is missing or damaged</source>
        <translation>sa partie %1 est absente ou endommagée</translation>
    </message>
    <message>
        <source>the cell reference &quot;%1&quot; names no column</source>
        <translation>la référence de cellule &quot;%1&quot; ne désigne aucune colonne</translation>
    </message>
    <message>
        <source>a cell names a shared text that the workbook does not hold</source>
        <translation>une cellule renvoie à un texte partagé que le classeur ne contient pas</translation>
    </message>
    <message>
        <source>more than the %L1 rows that a worksheet holds</source>
        <translation>plus que les %L1 lignes qu&apos;une feuille de calcul peut contenir</translation>
    </message>
    <message>
        <source>row %1, column &quot;%2&quot;: a text of %L3 characters is longer than the %L4 that a workbook cell holds</source>
        <translation>ligne %1, colonne &quot;%2&quot; : un texte de %L3 caractères dépasse les %L4 qu&apos;une cellule de classeur peut contenir</translation>
    </message>
</context>
<context>
    <name>SpokenWords</name>
    <message>
        <source>[Year]</source>
        <translation>[Année]</translation>
    </message>
    <message>
        <source>[Month]</source>
        <translation>[Mois]</translation>
    </message>
    <message>
        <source>[Day]</source>
        <translation>[Jour]</translation>
    </message>
    <message>
        <source>[degrees]</source>
        <translation>[degrés]</translation>
    </message>
    <message>
        <source>[minutes]</source>
        <translation>[minutes]</translation>
    </message>
    <message>
        <source>[seconds]</source>
        <translation>[secondes]</translation>
    </message>
    <message>
        <source>[hemisphere]</source>
        <translation>[hémisphère]</translation>
    </message>
    <message>
        <source>Fragment</source>
        <translation>Fragment</translation>
    </message>
    <message>
        <source>Intention</source>
        <translation>Intention</translation>
    </message>
</context>
<context>
    <name>SpreadsheetImport</name>
    <message>
        <source>Import a spreadsheet</source>
        <translation>Importer une feuille de calcul</translation>
    </message>
    <message>
        <source>Save the imported notices as</source>
        <translation>Enregistrer les fiches importées sous</translation>
    </message>
    <message>
        <source>Notice files (*.txt)</source>
        <translation>Fichiers de fiches (*.txt)</translation>
    </message>
    <message>
        <source>Importing the notices of %1...</source>
        <translation>Importation des fiches de %1...</translation>
    </message>
    <message>
        <source>Imported: 1 notice written to %1</source>
        <translation>Importé : 1 fiche écrite dans %1</translation>
    </message>
    <message>
        <source>Imported: %1 notices written to %2</source>
        <translation>Importé : %1 fiches écrites dans %2</translation>
    </message>
    <message>
        <source>%1 holds no notice to import. No file was written.</source>
        <translation>%1 ne contient aucune fiche à importer. Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Import cancelled: no file written.</source>
        <translation>Importation annulée : aucun fichier écrit.</translation>
    </message>
    <message>
        <source>The import failed: %1</source>
        <translation>L&apos;importation a échoué : %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>Cannot create the file %1: the file %2 is still open.</source>
        <translation>Impossible de créer le fichier %1 : le fichier %2 est encore ouvert.</translation>
    </message>
    <message>
        <source>Cannot create the file %1: %2.</source>
        <translation>Impossible de créer le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>it was deleted or moved while it was being written</source>
        <translation>il a été supprimé ou déplacé pendant son écriture</translation>
    </message>
    <message>
        <source>another file took its name while it was being written</source>
        <translation>un autre fichier a pris son nom pendant son écriture</translation>
    </message>
    <message>
        <source>it was cut short while it was being written</source>
        <translation>il a été raccourci pendant son écriture</translation>
    </message>
    <message>
        <source>another program wrote to it while it was being written</source>
        <translation>un autre programme y a écrit pendant son écriture</translation>
    </message>
    <message>
        <source>Cannot write to the file %1: %2.</source>
        <translation>Impossible d&apos;écrire dans le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot replace the file %1: %2.</source>
        <translation>Impossible de remplacer le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot replace the file %1: no new file could be made beside it: %2.</source>
        <translation>Impossible de remplacer le fichier %1 : aucun nouveau fichier n&apos;a pu être créé à côté : %2.</translation>
    </message>
    <message>
        <source>Cannot replace the file %1: %2. The file is as it was.</source>
        <translation>Impossible de remplacer le fichier %1 : %2. Le fichier est tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Cannot write: no file is open.</source>
        <translation>Impossible d&apos;écrire : aucun fichier n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>Cannot write to the file %1: the text holds the character %2, which %3 cannot represent.</source>
        <translation>Impossible d&apos;écrire dans le fichier %1 : le texte contient le caractère %2, que %3 ne peut pas représenter.</translation>
    </message>
    <message>
        <source> Part of the line remains at the end of the file.</source>
        <translation> Une partie de la ligne reste à la fin du fichier.</translation>
    </message>
    <message>
        <source>Cannot close: no file is open.</source>
        <translation>Impossible de fermer : aucun fichier n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>Cannot close the file %1: %2.</source>
        <translation>Impossible de fermer le fichier %1 : %2.</translation>
    </message>
</context>
<context>
    <name>WriterLock</name>
    <message>
        <source>The file %1 is locked by %2, which no program holds, and the lock cannot be taken over (the folder %3 may not let it be removed, or another program is just starting to write the file); nothing was written to it.</source>
        <translation>Le fichier %1 est verrouillé par %2, qu&apos;aucun programme ne détient, et ce verrou ne peut pas être repris (le dossier %3 ne permet peut-être pas de le supprimer, ou un autre programme commence à écrire le fichier) ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>The file %1 is in use by %2 (process %3 on %4); nothing was written to it.</source>
        <translation>Le fichier %1 est utilisé par %2 (processus %3 sur %4) ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
</context>
</TS>
