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
    <message>
        <source>1 hidden file left beside the file by a run stopped midway was removed</source>
        <translation>Se ha eliminado 1 fichero oculto que una ejecución interrumpida había dejado junto al fichero</translation>
    </message>
    <message>
        <source>%1 hidden files left beside the file by a run stopped midway were removed</source>
        <translation>Se han eliminado %1 ficheros ocultos que una ejecución interrumpida había dejado junto al fichero</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Prints the report of the file: its notices, their items and antenna patterns (or writes it as a PDF file)</source>
        <translation>Imprime el informe del fichero: sus notificaciones, sus datos y sus diagramas de antena (o lo guarda como PDF)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>No se imprimió el informe: %1</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Imprimir el informe</translation>
    </message>
    <message>
        <source>Report of 1 notice printed: %1 pages</source>
        <translation>Informe de 1 notificación impreso: %1 páginas</translation>
    </message>
    <message>
        <source>Report of %1 notices printed: %2 pages</source>
        <translation>Informe de %1 notificaciones impreso: %2 páginas</translation>
    </message>
</context>
<context>
    <name>CellReadings</name>
    <message>
        <source>a longitude (+DDDMMSS, e.g. +0022030)</source>
        <translation>una longitud (+DDDMMSS, p. ej. +0022030)</translation>
    </message>
    <message>
        <source>a latitude (+DDMMSS, e.g. +485310)</source>
        <translation>una latitud (+DDMMSS, p. ej. +485310)</translation>
    </message>
    <message>
        <source>a date (YYYY-MM-DD, e.g. 2005-12-07)</source>
        <translation>una fecha (AAAA-MM-DD, p. ej. 2005-12-07)</translation>
    </message>
    <message>
        <source>an hour (HH:MM, e.g. 08:30)</source>
        <translation>una hora (HH:MM, p. ej. 08:30)</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 no es %2</translation>
    </message>
    <message>
        <source>%1 is a date or time cell of the spreadsheet, not the text typed: format the column as text and type the value again</source>
        <translation>%1 es una celda de fecha u hora de la hoja de cálculo, no el texto escrito: aplique el formato de texto a la columna y vuelva a escribir el valor</translation>
    </message>
    <message>
        <source>%1 is a true/false cell of the spreadsheet, not a value</source>
        <translation>%1 es una celda de verdadero/falso de la hoja de cálculo, no un valor</translation>
    </message>
    <message>
        <source>%1 is an error of the spreadsheet, not a value</source>
        <translation>%1 es un error de la hoja de cálculo, no un valor</translation>
    </message>
</context>
<context>
    <name>CsvFiles</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>línea %1: un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that is not quoted</source>
        <translation>línea %1: una comilla dentro de un campo que no está entre comillas</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>línea %1: texto después de la comilla de cierre de un campo</translation>
    </message>
    <message>
        <source>line %1: a field is too long to be read</source>
        <translation>línea %1: un campo es demasiado largo para leerlo</translation>
    </message>
</context>
<context>
    <name>DraftKeeper</name>
    <message>
        <source>The notice on the screen cannot be kept in a draft: %1</source>
        <translation>La notificación de la pantalla no se puede guardar como borrador: %1</translation>
    </message>
    <message>
        <source>A damaged draft of a notice was discarded (%1)</source>
        <translation>Se ha descartado un borrador de notificación dañado (%1)</translation>
    </message>
    <message>
        <source>Notice not saved</source>
        <translation>Notificación no guardada</translation>
    </message>
    <message>
        <source>A notice typed on %1 was not saved.

Restore: it is put back on the screen.
Discard: it is deleted.</source>
        <translation>Una notificación escrita el %1 no se guardó.

Recuperar: vuelve a la pantalla.
Descartar: se elimina.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>The notice typed on %1 is back on the screen</source>
        <translation>La notificación escrita el %1 vuelve a estar en la pantalla</translation>
    </message>
    <message>
        <source>The notice typed on %1 is back on the screen, except %2</source>
        <translation>La notificación escrita el %1 vuelve a estar en la pantalla, salvo %2</translation>
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
    <name>FinishedNoticeFile</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
</context>
<context>
    <name>ImportRows</name>
    <message>
        <source>the file has no header row</source>
        <translation>el fichero no tiene fila de encabezado</translation>
    </message>
    <message>
        <source>no column name</source>
        <translation>sin nombre de columna</translation>
    </message>
    <message>
        <source>%1 is no key of the notice file</source>
        <translation>%1 no es una clave del fichero de notificaciones</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 figura dos veces</translation>
    </message>
    <message>
        <source>the header row names no column</source>
        <translation>la fila de encabezado no nombra ninguna columna</translation>
    </message>
    <message>
        <source>%1 stands in a column with no name</source>
        <translation>%1 está en una columna sin nombre</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>the file is not a JSON array of notices</source>
        <translation>el fichero no es un array JSON de notificaciones</translation>
    </message>
    <message>
        <source>text after the array</source>
        <translation>texto después del array</translation>
    </message>
    <message>
        <source>notice %1</source>
        <translation>notificación %1</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>the value of %1 is not a text</source>
        <translation>el valor de %1 no es un texto</translation>
    </message>
    <message>
        <source>%1, column %2: %3</source>
        <translation>%1, columna %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>el fichero no se puede leer: %1</translation>
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
    <name>NoticeCheck</name>
    <message>
        <source>--export %1 writes a binary file, not for a terminal: give --output OUT or redirect the standard output to a file</source>
        <translation>--export %1 escribe un fichero binario, no apto para un terminal: indique --output OUT o redirija la salida estándar a un fichero</translation>
    </message>
    <message>
        <source>--output: OUT is the FILE to export</source>
        <translation>--output: OUT es el fichero FILE que se exporta</translation>
    </message>
    <message>
        <source>Checks electronic notice files and reports every fault with its line number; exports the notices of a sound file to a spreadsheet.</source>
        <translation>Comprueba ficheros electrónicos de notificaciones e informa de cada error con su número de línea; exporta las notificaciones de un fichero correcto a una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Write the notices of one sound FILE as csv, json, xlsx or ods, one row per notice, keyed by the file&apos;s own keys: to the standard output, or to OUT with --output.</source>
        <translation>Escribe las notificaciones de un fichero FILE correcto en csv, json, xlsx u ods, una fila por notificación, con las claves del propio fichero: en la salida estándar, o en OUT con --output.</translation>
    </message>
    <message>
        <source>--export takes csv, json, xlsx or ods and one FILE</source>
        <translation>--export admite csv, json, xlsx u ods y un solo fichero FILE</translation>
    </message>
    <message>
        <source>%1: not exported: %2</source>
        <translation>%1: no exportado: %2</translation>
    </message>
    <message>
        <source>Write the report of one sound FILE as a PDF to OUT (--output): the list of its notices, then each notice with its items, coordination and antenna patterns, page by page.</source>
        <translation>Escribe el informe de un FILE sin defectos en PDF en OUT (--output): la lista de sus notificaciones y luego cada notificación con sus datos, su coordinación y sus diagramas de antena, página por página.</translation>
    </message>
    <message>
        <source>With --report: the language of the report, en, fr or es (en).</source>
        <translation>Con --report: el idioma del informe, en, fr o es (en).</translation>
    </message>
    <message>
        <source>With --export or --report: the file to write, whole or not at all. A report, an xlsx or an ods file needs it (or, for xlsx and ods, the standard output redirected to a file).</source>
        <translation>Con --export o --report: el fichero que se escribe, entero o nada. Un informe o un fichero xlsx u ods lo necesita (o bien, para xlsx y ods, la salida estándar redirigida a un fichero).</translation>
    </message>
    <message>
        <source>--output goes with --export or --report</source>
        <translation>--output va con --export o --report</translation>
    </message>
    <message>
        <source>--language goes with --report</source>
        <translation>--language va con --report</translation>
    </message>
    <message>
        <source>--report takes pdf, one FILE, --output OUT and optionally --language en, fr or es</source>
        <translation>--report admite pdf, un solo FILE, --output OUT y, opcionalmente, --language en, fr o es</translation>
    </message>
    <message>
        <source>--output: OUT is the FILE to report</source>
        <translation>--output: OUT es el FILE del informe</translation>
    </message>
    <message>
        <source>no report written: %1</source>
        <translation>no se escribió el informe: %1</translation>
    </message>
</context>
<context>
    <name>NoticeExport</name>
    <message>
        <source>line %1: %2: the notice file is not sound</source>
        <translation>línea %1: %2: el fichero de notificaciones no es correcto</translation>
    </message>
</context>
<context>
    <name>NoticeFileSession</name>
    <message>
        <source>Notice not saved</source>
        <translation>Notificación no guardada</translation>
    </message>
    <message>
        <source>Close and discard the notice on the screen?</source>
        <translation>¿Cerrar y descartar la notificación de la pantalla?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The file %1 holds 1 notice: replace it and lose it?</source>
        <translation>El fichero %1 contiene 1 notificación: ¿reemplazarlo y perderla?</translation>
    </message>
    <message>
        <source>The file %1 holds %2 notices: replace it and lose them?</source>
        <translation>El fichero %1 contiene %2 notificaciones: ¿reemplazarlo y perderlas?</translation>
    </message>
    <message>
        <source>Replace the file</source>
        <translation>Reemplazar el fichero</translation>
    </message>
</context>
<context>
    <name>NoticeImport</name>
    <message>
        <source>%1 is not one of %2</source>
        <translation>%1 no es ninguno de los valores %2</translation>
    </message>
    <message>
        <source>%1 does not fit the boxes of a date</source>
        <translation>%1 no cabe en las casillas de una fecha</translation>
    </message>
    <message>
        <source>%1 is longer than its box (%2 characters at most)</source>
        <translation>%1 es más largo que su casilla (%2 caracteres como máximo)</translation>
    </message>
    <message>
        <source>%1 is not %2, the notifying administration of the rows before: a notice file has only one</source>
        <translation>%1 no es %2, la administración notificante de las filas anteriores: un fichero de notificaciones solo tiene una</translation>
    </message>
    <message>
        <source>%1 is no date of the calendar</source>
        <translation>%1 no es una fecha del calendario</translation>
    </message>
    <message>
        <source>%1 is not written: the %2 form has no box for this column</source>
        <translation>%1 no se escribe: el formulario %2 no tiene ninguna casilla para esta columna</translation>
    </message>
    <message>
        <source>%1 is not written: the %2 form leaves this column out of such a notice (its intention, fragment, polarization or antenna)</source>
        <translation>%1 no se escribe: el formulario %2 omite esta columna en una notificación de este tipo (por su intención, fragmento, polarización o antena)</translation>
    </message>
    <message>
        <source>empty, but the %1 form writes %2 here</source>
        <translation>vacía, pero el formulario %1 escribe aquí %2</translation>
    </message>
    <message>
        <source>%1 is written in capitals by the %2 form: %3</source>
        <translation>%1 se escribe en mayúsculas en el formulario %2: %3</translation>
    </message>
    <message>
        <source>%1 is written %2 by the %3 form</source>
        <translation>%1 se escribe como %2 en el formulario %3</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <translation>%1: %2: %3</translation>
    </message>
    <message>
        <source>empty: a notice cannot be saved without its notifying administration</source>
        <translation>vacía: una notificación no se puede guardar sin su administración notificante</translation>
    </message>
    <message>
        <source>no frequency and no coordinates: a notice cannot be saved without one of them</source>
        <translation>sin frecuencia ni coordenadas: una notificación no se puede guardar sin una de las dos</translation>
    </message>
    <message>
        <source>%1 holds %2, which a notice file cannot hold</source>
        <translation>%1 contiene %2, que un fichero de notificaciones no puede contener</translation>
    </message>
    <message>
        <source>%1 % read</source>
        <translation>%1 % leído</translation>
    </message>
    <message>
        <source>the output file %1 is the file to import</source>
        <translation>el fichero de salida %1 es el fichero que se va a importar</translation>
    </message>
    <message>
        <source>%1: the file to import must be a plain file, not a pipe or a device</source>
        <translation>%1: el fichero que se va a importar debe ser un fichero normal, no una tubería ni un dispositivo</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>and 1 more fault</source>
        <translation>y 1 error más</translation>
    </message>
    <message>
        <source>and %1 more faults</source>
        <translation>y %1 errores más</translation>
    </message>
    <message>
        <source>no notice to import; no file written</source>
        <translation>ninguna notificación que importar; no se ha escrito ningún fichero</translation>
    </message>
    <message>
        <source>nothing imported: no file written</source>
        <translation>no se ha importado nada: no se ha escrito ningún fichero</translation>
    </message>
</context>
<context>
    <name>NoticeReport</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Fragment</source>
        <translation>Fragmento</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Administration %1 - captured on %2</source>
        <translation>Administración %1 - capturado el %2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Notices of the file</source>
        <translation>Notificaciones del fichero</translation>
    </message>
    <message>
        <source>Notice %1</source>
        <translation>Notificación %1</translation>
    </message>
    <message>
        <source>11 Coordination completed with</source>
        <translation>11 Coordinación completada con</translation>
    </message>
    <message>
        <source>the report cannot be written</source>
        <translation>no se puede escribir el informe</translation>
    </message>
    <message>
        <source>the file changed while its report was written</source>
        <translation>el fichero cambió mientras se escribía su informe</translation>
    </message>
</context>
<context>
    <name>PatternCaptions</name>
    <message>
        <source>Effective antenna height [m]</source>
        <translation>Altura efectiva de la antena [m]</translation>
    </message>
    <message>
        <source>Attenuation, horizontal component [dB]</source>
        <translation>Atenuación, componente horizontal [dB]</translation>
    </message>
    <message>
        <source>Attenuation, vertical component [dB]</source>
        <translation>Atenuación, componente vertical [dB]</translation>
    </message>
    <message>
        <source>No values</source>
        <translation>Sin valores</translation>
    </message>
    <message>
        <source>Largest attenuation %1 dB at %2</source>
        <translation>Atenuación máxima %1 dB a %2</translation>
    </message>
    <message>
        <source>Largest height %1 m at %2</source>
        <translation>Altura máxima %1 m a %2</translation>
    </message>
    <message>
        <source>marked: %1</source>
        <translation>señalado: %1</translation>
    </message>
</context>
<context>
    <name>PatternView</name>
    <message>
        <source>Polar diagram %1</source>
        <translation>Diagrama polar %1</translation>
    </message>
</context>
<context>
    <name>ReportItems</name>
    <message>
        <source>Notice type</source>
        <translation>Tipo de notificación</translation>
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
        <source>%1 is the notice file itself</source>
        <translation>%1 es el propio archivo de notificaciones</translation>
    </message>
    <message>
        <source>the spreadsheet has no table</source>
        <translation>la hoja de cálculo no contiene ninguna tabla</translation>
    </message>
    <message>
        <source>the row has more than %L1 columns</source>
        <translation>la fila tiene más de %L1 columnas</translation>
    </message>
    <message>
        <source>the file is not a workbook that can be read: %1</source>
        <translation>el fichero no es un libro que se pueda leer: %1</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>the sheet has more rows than the %L1 that a sheet can hold</source>
        <translation>la hoja tiene más filas que las %L1 que puede contener una hoja</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>el fichero no se puede escribir: %1</translation>
    </message>
    <message>
        <source>it is not a zip package, or a damaged one</source>
        <translation>no es un paquete zip, o está dañado</translation>
    </message>
    <message>
        <source>its sheet %1 is missing or damaged</source>
        <translation>su hoja %1 falta o está dañada</translation>
    </message>
    <message>
        <source>%1 (line %2 of its sheet)</source>
        <translation>%1 (línea %2 de su hoja)</translation>
    </message>
    <message>
        <source>the workbook has no sheet</source>
        <translation>el libro no contiene ninguna hoja</translation>
    </message>
    <message>
        <source>the workbook does not say where its first sheet is</source>
        <translation>el libro no indica dónde está su primera hoja</translation>
    </message>
    <message>
        <source>its part %1 is missing or damaged</source>
        <translation>su parte %1 falta o está dañada</translation>
    </message>
    <message>
        <source>the cell reference &quot;%1&quot; names no column</source>
        <translation>la referencia de celda &quot;%1&quot; no designa ninguna columna</translation>
    </message>
    <message>
        <source>a cell names a shared text that the workbook does not hold</source>
        <translation>una celda remite a un texto compartido que el libro no contiene</translation>
    </message>
    <message>
        <source>more than the %L1 rows that a worksheet holds</source>
        <translation>más de las %L1 filas que admite una hoja de cálculo</translation>
    </message>
    <message>
        <source>row %1, column &quot;%2&quot;: a text of %L3 characters is longer than the %L4 that a workbook cell holds</source>
        <translation>fila %1, columna &quot;%2&quot;: un texto de %L3 caracteres supera los %L4 que admite una celda de un libro</translation>
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
<context>
    <name>TextFile</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>El fichero %1 no se puede escribir: %2.</translation>
    </message>
</context>
<context>
    <name>WriterLock</name>
    <message>
        <source>The file %1 is locked by %2, which no program holds, and the lock cannot be taken over (the folder %3 may not let it be removed, or another program is just starting to write the file); nothing was written to it.</source>
        <translation>El fichero %1 está bloqueado por %2, que ningún programa mantiene, y el bloqueo no puede retomarse (puede que la carpeta %3 no permita eliminarlo, o que otro programa esté empezando a escribir el fichero); no se ha escrito nada en él.</translation>
    </message>
</context>
</TS>
