<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <source>1 notice exported to %1</source>
        <translation>1 fiche exportée dans %1</translation>
    </message>
    <message>
        <source>%1 notices exported to %2</source>
        <translation>%1 fiches exportées dans %2</translation>
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
    <name>MainMenu</name>
    <message>
        <source>Import a spreadsheet...</source>
        <translation>Importer une feuille de calcul...</translation>
    </message>
</context>
<context>
    <name>NoticeImport</name>
    <message numerus="yes">
        <source>and %n more faults</source>
        <translation>
            <numerusform>et %n autre erreur</numerusform>
            <numerusform>et %n autres erreurs</numerusform>
        </translation>
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
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1 is the notice file itself</source>
        <translation>%1 est le fichier de fiches lui-même</translation>
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
</TS>
