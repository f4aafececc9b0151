<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CaptureOpener</name>
    <message>
        <source>Open a file</source>
        <translation>Abrir un fichero</translation>
    </message>
    <message>
        <source>The file %1 holds no notice that tells its form: choose the form on the menu, then open the file again.</source>
        <translation>El fichero %1 no contiene ninguna notificación que indique su formulario: elija el formulario en el menú y vuelva a abrir el fichero.</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>Report of %n notice(s) printed: %1 pages</source>
        <translation>
            <numerusform>Informe de %n notificación impreso: %1 páginas</numerusform>
            <numerusform>Informe de %n notificaciones impreso: %1 páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notice(s) exported to %1</source>
        <translation>
            <numerusform>%n notificación exportada a %1</numerusform>
            <numerusform>%n notificaciones exportadas a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden file(s) left beside the file by a run stopped midway removed</source>
        <translation>
            <numerusform>Se ha eliminado %n fichero oculto que una ejecución interrumpida había dejado junto al fichero</numerusform>
            <numerusform>Se han eliminado %n ficheros ocultos que una ejecución interrumpida había dejado junto al fichero</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Shows only the notices whose frequency or site name holds this text.</source>
        <translation>Muestra solo las notificaciones cuya frecuencia o nombre del sitio contiene este texto.</translation>
    </message>
    <message>
        <source>Filter the notices</source>
        <translation>Filtrar las notificaciones</translation>
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
    <name>DraftText</name>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>a format this version does not know</source>
        <translation>un formato que esta versión no conoce</translation>
    </message>
    <message>
        <source>a form this version does not know</source>
        <translation>un formulario que esta versión no conoce</translation>
    </message>
    <message>
        <source>it is incomplete</source>
        <translation>está incompleto</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is too large to be a draft</source>
        <translation>es demasiado grande para ser un borrador</translation>
    </message>
    <message>
        <source>one of its entries is damaged</source>
        <translation>una de sus entradas está dañada</translation>
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
    <message>
        <source>Notice files (*.txt)</source>
        <translation>Ficheros de notificaciones (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los ficheros (*)</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Abrir un fichero...</translation>
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
    <name>NoticeFileChecker</name>
    <message>
        <source>line longer than %1 characters</source>
        <translation>línea de más de %1 caracteres</translation>
    </message>
    <message>
        <source>line end missing</source>
        <translation>falta el fin de línea</translation>
    </message>
    <message>
        <source>line end is not CR LF</source>
        <translation>el fin de línea no es CR LF</translation>
    </message>
    <message>
        <source>byte 0x%1 is undefined in %2</source>
        <translation>el byte 0x%1 no está definido en %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el fichero está vacío</translation>
    </message>
    <message>
        <source>header line %1 missing (%2...)</source>
        <translation>falta la línea de encabezado %1 (%2...)</translation>
    </message>
    <message>
        <source>text after the final empty line</source>
        <translation>texto después de la última línea vacía</translation>
    </message>
    <message>
        <source>header line %1 does not begin with %2</source>
        <translation>la línea de encabezado %1 no empieza por %2</translation>
    </message>
    <message>
        <source>unknown section tag %1</source>
        <translation>etiqueta de sección desconocida %1</translation>
    </message>
    <message>
        <source>%1 repeated</source>
        <translation>%1 se repite</translation>
    </message>
    <message>
        <source>%1 out of place</source>
        <translation>%1 fuera de lugar</translation>
    </message>
    <message>
        <source>%1 out of place: it follows the TAIL</source>
        <translation>%1 fuera de lugar: después de la sección TAIL</translation>
    </message>
    <message>
        <source>%1 out of place: the file has no notice</source>
        <translation>%1 fuera de lugar: el fichero no tiene ninguna notificación</translation>
    </message>
    <message>
        <source>%1 out of order</source>
        <translation>%1 fuera de orden</translation>
    </message>
    <message>
        <source>%1 in a notice of type TB5</source>
        <translation>%1 en una notificación de tipo TB5</translation>
    </message>
    <message>
        <source>empty line missing before %1</source>
        <translation>falta una línea vacía antes de %1</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 sin %2</translation>
    </message>
    <message>
        <source>%1 of line %2 not closed</source>
        <translation>%1 de la línea %2 sin etiqueta de cierre</translation>
    </message>
    <message>
        <source>%1 section is empty</source>
        <translation>la sección %1 está vacía</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>empty line out of place</source>
        <translation>línea vacía fuera de lugar</translation>
    </message>
    <message>
        <source>the file was not finished (open it with notice-capture, FILE on the command line or &quot;Open a file...&quot; on the menu, and press Finish to finish it)</source>
        <translation>el fichero no se terminó (ábralo con notice-capture, FILE en la línea de comandos o «Abrir un fichero...» en el menú, y pulse Terminar para terminarlo)</translation>
    </message>
    <message>
        <source>%1 missing: %2</source>
        <translation>falta %1: %2</translation>
    </message>
    <message>
        <source>final empty line missing: %1</source>
        <translation>falta la última línea vacía: %1</translation>
    </message>
    <message>
        <source>line is not &quot;key = value&quot;</source>
        <translation>la línea no tiene la forma «clave = valor»</translation>
    </message>
    <message>
        <source>blank around the key %1</source>
        <translation>espacio en blanco alrededor de la clave %1</translation>
    </message>
    <message>
        <source>key %1 outside a section</source>
        <translation>clave %1 fuera de cualquier sección</translation>
    </message>
    <message>
        <source>key %1 out of place in %2</source>
        <translation>clave %1 fuera de lugar en %2</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clave desconocida %1</translation>
    </message>
    <message>
        <source>empty value for %1</source>
        <translation>valor vacío para %1</translation>
    </message>
    <message>
        <source>tab in the value for %1</source>
        <translation>tabulación en el valor de %1</translation>
    </message>
    <message>
        <source>control character 0x%1 in the value for %2</source>
        <translation>carácter de control 0x%1 en el valor de %2</translation>
    </message>
    <message>
        <source>blank around the value for %1</source>
        <translation>espacio en blanco alrededor del valor de %1</translation>
    </message>
    <message numerus="yes">
        <source>value for %1 longer than %n character</source>
        <translation>
            <numerusform>valor de %1 de más de %n carácter</numerusform>
            <numerusform>valor de %1 de más de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>value for %1 longer than %n characters</source>
        <translation>
            <numerusform>valor de %1 de más de %n carácter</numerusform>
            <numerusform>valor de %1 de más de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2, expected %3</source>
        <translation>%1 es %2, se esperaba %3</translation>
    </message>
    <message>
        <source>key %1 out of order</source>
        <translation>clave %1 fuera de orden</translation>
    </message>
    <message>
        <source>key %1 repeated</source>
        <translation>clave %1 repetida</translation>
    </message>
    <message>
        <source>more than %1 %2 lines</source>
        <translation>más de %1 líneas %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, the file has %n notice</source>
        <translation>
            <numerusform>%1 es %2, el fichero tiene %n notificación</numerusform>
            <numerusform>%1 es %2, el fichero tiene %n notificaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, the file has %n notices</source>
        <translation>
            <numerusform>%1 es %2, el fichero tiene %n notificación</numerusform>
            <numerusform>%1 es %2, el fichero tiene %n notificaciones</numerusform>
        </translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>letters, no digit</source>
        <translation>letras, sin ningún dígito</translation>
    </message>
    <message>
        <source>a code that is not a number</source>
        <translation>un código que no sea un número</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de los valores %1</translation>
    </message>
    <message>
        <source>a date YYYY-MM-DD</source>
        <translation>una fecha YYYY-MM-DD</translation>
    </message>
    <message>
        <source>an hour HH:MM from 00:00 to 24:00</source>
        <translation>una hora HH:MM de 00:00 a 24:00</translation>
    </message>
    <message>
        <source>a longitude +DDDMMSS (degrees 0 to 180, minutes and seconds 0 to 59)</source>
        <translation>una longitud +DDDMMSS (grados de 0 a 180, minutos y segundos de 0 a 59)</translation>
    </message>
    <message>
        <source>a latitude +DDMMSS (degrees 0 to 90, minutes and seconds 0 to 59)</source>
        <translation>una latitud +DDMMSS (grados de 0 a 90, minutos y segundos de 0 a 59)</translation>
    </message>
</context>
<context>
    <name>NoticeFileSession</name>
    <message>
        <source>Notice not saved</source>
        <translation>Notificación no guardada</translation>
    </message>
    <message>
        <source>The notice has no frequency and no coordinates: it was not saved.</source>
        <translation>La notificación no tiene frecuencia ni coordenadas: no se ha guardado.</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; holds the character %2, which the notice file cannot hold: the notice was not saved.</source>
        <translation>La casilla «%1» contiene el carácter %2, que el fichero de notificaciones no puede contener: la notificación no se ha guardado.</translation>
    </message>
    <message>
        <source>The file was not started; the screen stays as it was.</source>
        <translation>El fichero no se ha iniciado; la pantalla queda como estaba.</translation>
    </message>
    <message>
        <source>The file %1 exists already.

Replace: a new file takes its place, and the notices it holds are lost.
Continue: the notice is added to the notices it holds.
Cancel: nothing is saved, the screen stays as it is.</source>
        <translation>El fichero %1 ya existe.

Reemplazar: un fichero nuevo ocupa su lugar y se pierden las notificaciones que contiene.
Continuar: la notificación se añade a las que contiene.
Cancelar: no se guarda nada y la pantalla queda como está.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The file exists</source>
        <translation>El fichero existe</translation>
    </message>
    <message>
        <source>The file holds the notices of the administration %1, shown now in its box. The notice was not saved: check it, then press Save/Next again.</source>
        <translation>El fichero contiene las notificaciones de la administración %1, que ahora se muestra en su casilla. La notificación no se ha guardado: revísela y pulse de nuevo Guardar.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 notices: open it on the %2 form, not on the %3 form.</source>
        <translation>El fichero %1 contiene notificaciones %2: ábralo con el formulario %2, no con el formulario %3.</translation>
    </message>
    <message>
        <source>Notice file opened</source>
        <translation>Fichero de notificaciones abierto</translation>
    </message>
    <message>
        <source>The file %1 was not finished, and its end is damaged: %2.</source>
        <translation>El fichero %1 no estaba terminado y su final está dañado: %2.</translation>
    </message>
    <message>
        <source>The notice was not replaced; the file is as it was, and the notice stays on the screen.</source>
        <translation>La notificación no se ha reemplazado; el fichero queda como estaba y la notificación sigue en la pantalla.</translation>
    </message>
    <message>
        <source>The notice was not saved; it stays on the screen.</source>
        <translation>La notificación no se ha guardado; sigue en la pantalla.</translation>
    </message>
    <message>
        <source>Correct a notice</source>
        <translation>Corregir una notificación</translation>
    </message>
    <message>
        <source>The notices of %1 cannot be corrected: it is not a plain file.</source>
        <translation>Las notificaciones de %1 no se pueden corregir: no es un fichero normal.</translation>
    </message>
    <message>
        <source>The screen holds a notice that is not saved: press Save/Next or Reset before you choose a notice to correct.</source>
        <translation>La pantalla contiene una notificación no guardada: pulse Guardar o Reset antes de elegir una notificación para corregir.</translation>
    </message>
    <message>
        <source>the screen gives it back otherwise</source>
        <translation>la pantalla la devuelve de otra forma</translation>
    </message>
    <message>
        <source>Notice %1 cannot be put back on the screen exactly as the file holds it (%2); it is left as it is.</source>
        <translation>La notificación %1 no se puede mostrar en la pantalla exactamente como la contiene el fichero (%2); se deja como está.</translation>
    </message>
    <message>
        <source>File not finished</source>
        <translation>Fichero no terminado</translation>
    </message>
    <message>
        <source>The file is not finished: mend the fault, then press Finish again.</source>
        <translation>El fichero no está terminado: corrija el problema y pulse de nuevo Terminar.</translation>
    </message>
    <message>
        <source>File not closed</source>
        <translation>Fichero no cerrado</translation>
    </message>
    <message>
        <source>Every line had been written to the disk before; check the file.</source>
        <translation>Todas las líneas ya se habían escrito en el disco; revise el fichero.</translation>
    </message>
    <message>
        <source>Notice file not opened</source>
        <translation>Fichero de notificaciones no abierto</translation>
    </message>
    <message>
        <source>The file %1 is not a notice file that can be continued: line %2: %3.</source>
        <translation>El fichero %1 no es un fichero de notificaciones que se pueda continuar: línea %2: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more fault(s) follow.</source>
        <translation>
            <numerusform>Sigue %n error más.</numerusform>
            <numerusform>Siguen %n errores más.</numerusform>
        </translation>
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
    <name>NoticeFileStore</name>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>No se puede crear el fichero %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.</source>
        <translation>No se puede abrir el fichero %1: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un fichero normal</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese fichero no existe</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2.</source>
        <translation>No se puede leer el fichero %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a notice file that can be continued: line %2: %3</source>
        <translation>El fichero %1 no es un fichero de notificaciones que se pueda continuar: línea %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more faults)</source>
        <translation>
            <numerusform> (y %n error más)</numerusform>
            <numerusform> (y %n errores más)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 was changed, moved or deleted by another program while it was open here; nothing was written to it.</source>
        <translation>Otro programa modificó, movió o borró el fichero %1 mientras estaba abierto aquí; no se ha escrito nada en él.</translation>
    </message>
    <message>
        <source>Notice %1 of the file %2 cannot be replaced.</source>
        <translation>La notificación %1 del fichero %2 no se puede reemplazar.</translation>
    </message>
    <message>
        <source>Notice %1 cannot be put back on the screen exactly as the file holds it; it is left as it is.</source>
        <translation>La notificación %1 no se puede mostrar en la pantalla exactamente como la contiene el fichero; se deja como está.</translation>
    </message>
    <message>
        <source> The file ends with part of a line that could not be written, which cannot be cut off: every saved notice is in it; open the file again to finish it.</source>
        <translation> El fichero termina con parte de una línea que no se pudo escribir y que no se puede eliminar: todas las notificaciones guardadas están en él; vuelva a abrir el fichero para terminarlo.</translation>
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
    <name>NoticeList</name>
    <message>
        <source>The notices of the file. Double-click a notice, or press Enter on it, to correct it.</source>
        <translation>Las notificaciones del fichero. Haga doble clic en una notificación, o pulse Intro, para corregirla.</translation>
    </message>
    <message>
        <source>Notices of the file</source>
        <translation>Notificaciones del fichero</translation>
    </message>
</context>
<context>
    <name>NoticeListModel</name>
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
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Nombre del sitio</translation>
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
    <name>OperatorTexts</name>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Clear the notice on the screen without saving it?</source>
        <translation>¿Borrar la notificación de la pantalla sin guardarla?</translation>
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
        <source>Notice %1 replaced</source>
        <translation>Notificación %1 reemplazada</translation>
    </message>
    <message>
        <source>Notice %1 saved</source>
        <translation>Notificación %1 guardada</translation>
    </message>
    <message>
        <source>Notice %1 replaced: %2</source>
        <translation>Notificación %1 reemplazada: %2</translation>
    </message>
    <message>
        <source>Notice %1 saved: %2</source>
        <translation>Notificación %1 guardada: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notice(s) in %1</source>
        <translation>
            <numerusform>%n notificación en %1</numerusform>
            <numerusform>%n notificaciones en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished: %n notice(s) written to %1</source>
        <translation>
            <numerusform>Terminado: %n notificación escrita en %1</numerusform>
            <numerusform>Terminado: %n notificaciones escritas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Correcting notice %1 of %2</source>
        <translation>Corrigiendo la notificación %1 de %2</translation>
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
    <name>SavedNoticeFile</name>
    <message>
        <source>it holds no complete notice, and is started afresh when the next notice is saved</source>
        <translation>no contiene ninguna notificación completa, y se empieza de nuevo al guardar la próxima notificación</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>no se puede leer el fichero: %1</translation>
    </message>
    <message>
        <source>notice %1, from line %2, is cut off before its end: it is left out</source>
        <translation>la notificación %1, desde la línea %2, está cortada antes de su final: se deja fuera</translation>
    </message>
    <message>
        <source>the lines from line %1 on hold no complete notice: they are left out</source>
        <translation>las líneas desde la línea %1 no contienen ninguna notificación completa: se dejan fuera</translation>
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
    <name>SpokenWords</name>
    <message>
        <source>[Year]</source>
        <translation>[Año]</translation>
    </message>
    <message>
        <source>[Month]</source>
        <translation>[Mes]</translation>
    </message>
    <message>
        <source>[Day]</source>
        <translation>[Día]</translation>
    </message>
    <message>
        <source>[degrees]</source>
        <translation>[grados]</translation>
    </message>
    <message>
        <source>[minutes]</source>
        <translation>[minutos]</translation>
    </message>
    <message>
        <source>[seconds]</source>
        <translation>[segundos]</translation>
    </message>
    <message>
        <source>[hemisphere]</source>
        <translation>[hemisferio]</translation>
    </message>
    <message>
        <source>Fragment</source>
        <translation>Fragmento</translation>
    </message>
    <message>
        <source>Intention</source>
        <translation>Intención</translation>
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
    <message>
        <source>Cannot create the file %1: the file %2 is still open.</source>
        <translation>No se puede crear el fichero %1: el fichero %2 sigue abierto.</translation>
    </message>
    <message>
        <source>Cannot create the file %1: %2.</source>
        <translation>No se puede crear el fichero %1: %2.</translation>
    </message>
    <message>
        <source>it was deleted or moved while it was being written</source>
        <translation>se borró o se movió mientras se escribía</translation>
    </message>
    <message>
        <source>another file took its name while it was being written</source>
        <translation>otro fichero tomó su nombre mientras se escribía</translation>
    </message>
    <message>
        <source>it was cut short while it was being written</source>
        <translation>se acortó mientras se escribía</translation>
    </message>
    <message>
        <source>another program wrote to it while it was being written</source>
        <translation>otro programa escribió en él mientras se escribía</translation>
    </message>
    <message>
        <source>Cannot write to the file %1: %2.</source>
        <translation>No se puede escribir en el fichero %1: %2.</translation>
    </message>
    <message>
        <source>Cannot replace the file %1: %2.</source>
        <translation>No se puede reemplazar el fichero %1: %2.</translation>
    </message>
    <message>
        <source>Cannot replace the file %1: no new file could be made beside it: %2.</source>
        <translation>No se puede reemplazar el fichero %1: no se pudo crear un fichero nuevo a su lado: %2.</translation>
    </message>
    <message>
        <source>Cannot replace the file %1: %2. The file is as it was.</source>
        <translation>No se puede reemplazar el fichero %1: %2. El fichero queda como estaba.</translation>
    </message>
    <message>
        <source>Cannot write: no file is open.</source>
        <translation>No se puede escribir: no hay ningún fichero abierto.</translation>
    </message>
    <message>
        <source>Cannot write to the file %1: the text holds the character %2, which %3 cannot represent.</source>
        <translation>No se puede escribir en el fichero %1: el texto contiene el carácter %2, que %3 no puede representar.</translation>
    </message>
    <message>
        <source> Part of the line remains at the end of the file.</source>
        <translation> Parte de la línea queda al final del fichero.</translation>
    </message>
    <message>
        <source>Cannot close: no file is open.</source>
        <translation>No se puede cerrar: no hay ningún fichero abierto.</translation>
    </message>
    <message>
        <source>Cannot close the file %1: %2.</source>
        <translation>No se puede cerrar el fichero %1: %2.</translation>
    </message>
</context>
<context>
    <name>WriterLock</name>
    <message>
        <source>The file %1 is locked by %2, which no program holds, and the lock cannot be taken over (the folder %3 may not let it be removed, or another program is just starting to write the file); nothing was written to it.</source>
        <translation>El fichero %1 está bloqueado por %2, que ningún programa mantiene, y el bloqueo no puede retomarse (puede que la carpeta %3 no permita eliminarlo, o que otro programa esté empezando a escribir el fichero); no se ha escrito nada en él.</translation>
    </message>
    <message>
        <source>The file %1 is in use by %2 (process %3 on %4); nothing was written to it.</source>
        <translation>El fichero %1 está en uso por %2 (proceso %3 en %4); no se ha escrito nada en él.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
</context>
</TS>
