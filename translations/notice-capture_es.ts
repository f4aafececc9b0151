<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CaptureWindow</name>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Writes the notices of the file to a spreadsheet: CSV, Excel, OpenDocument or JSON</source>
        <translation>Escribe las notificaciones del archivo en una hoja de cálculo: CSV, Excel, OpenDocument o JSON</translation>
    </message>
    <message>
        <source>Export the notices</source>
        <translation>Exportar las notificaciones</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>The notices were not exported: %1</source>
        <translation>Las notificaciones no se exportaron: %1</translation>
    </message>
    <message>
        <source>1 notice exported to %1</source>
        <translation>1 notificación exportada a %1</translation>
    </message>
    <message>
        <source>%1 notices exported to %2</source>
        <translation>%1 notificaciones exportadas a %2</translation>
    </message>
</context>
<context>
    <name>FaultListDialog</name>
    <message>
        <source>1 fault: nothing imported</source>
        <translation>1 error: no se importó nada</translation>
    </message>
    <message>
        <source>%1 faults: nothing imported</source>
        <translation>%1 errores: no se importó nada</translation>
    </message>
    <message>
        <source>%1 has a fault. No notice was imported and no file written.</source>
        <translation>%1 contiene un error. No se importó ninguna notificación ni se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>%1 has %2 faults. No notice was imported and no file written.</source>
        <translation>%1 contiene %2 errores. No se importó ninguna notificación ni se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Import a spreadsheet...</source>
        <translation>Importar una hoja de cálculo...</translation>
    </message>
</context>
<context>
    <name>NoticeImport</name>
    <message numerus="yes">
        <source>and %n more faults</source>
        <translation>
            <numerusform>y %n error más</numerusform>
            <numerusform>y %n errores más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheets (*.ods)</source>
        <translation>Hojas de cálculo OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Spreadsheets (%1)</source>
        <translation>Hojas de cálculo (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>%1 is the notice file itself</source>
        <translation>%1 es el propio archivo de notificaciones</translation>
    </message>
</context>
<context>
    <name>SpreadsheetImport</name>
    <message>
        <source>Import a spreadsheet</source>
        <translation>Importar una hoja de cálculo</translation>
    </message>
    <message>
        <source>Save the imported notices as</source>
        <translation>Guardar las notificaciones importadas como</translation>
    </message>
    <message>
        <source>Notice files (*.txt)</source>
        <translation>Archivos de notificaciones (*.txt)</translation>
    </message>
    <message>
        <source>Importing the notices of %1...</source>
        <translation>Importando las notificaciones de %1...</translation>
    </message>
    <message>
        <source>Imported: 1 notice written to %1</source>
        <translation>Importado: 1 notificación escrita en %1</translation>
    </message>
    <message>
        <source>Imported: %1 notices written to %2</source>
        <translation>Importado: %1 notificaciones escritas en %2</translation>
    </message>
    <message>
        <source>%1 holds no notice to import. No file was written.</source>
        <translation>%1 no contiene ninguna notificación para importar. No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>Import cancelled: no file written.</source>
        <translation>Importación cancelada: no se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>The import failed: %1</source>
        <translation>La importación falló: %1</translation>
    </message>
</context>
</TS>
