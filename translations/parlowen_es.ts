<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CsvReader</name>
    <message>
        <source>the line holds bytes that are not UTF-8</source>
        <translation>la línea contiene bytes que no son UTF-8</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>comillas dentro de un campo que no empieza con comillas</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texto tras las comillas de cierre de un campo</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>unas comillas abiertas en esta línea no se cierran nunca</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>QUILMOX is plugged in as %1, but this user may not open it.
Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug and plug in the controller, or log in again.</source>
        <translation>QUILMOX está conectado como %1, pero este usuario no tiene permiso para abrirlo.
Instale la regla de udev 70-quilmox-parlowen.rules (el paquete parlowen la instala) y después desconecte y vuelva a conectar el controlador, o vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>QUILMOX is plugged in, but another program is using it.
Close that program, then try again.</source>
        <translation>QUILMOX está conectado, pero otro programa lo está usando.
Cierre ese programa y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>SettingCatalogue</name>
    <message>
        <source>must be a text</source>
        <translation>debe ser un texto</translation>
    </message>
    <message>
        <source>must not hold a zero character</source>
        <translation>no debe contener ningún carácter nulo</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot represent</source>
        <translation>contiene un carácter que Windows-1252 no puede representar</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>supera los %1 bytes</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>debe ser true o false</translation>
    </message>
    <message>
        <source>must be an integer from -2147483648 to 2147483647</source>
        <translation>debe ser un número entero de -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>must be %1 hexadecimal digits</source>
        <translation>debe tener %1 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>is not a setting</source>
        <translation>no es un ajuste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>&quot;%1&quot; %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Incompatible data file.</source>
        <translation>Archivo de datos incompatible.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>El archivo usa un formato de datos más reciente.<byte value="xd"/>
No se puede cargar</translation>
    </message>
    <message>
        <source>Error Opening File.</source>
        <translation>Error al abrir el archivo.</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Error al guardar el archivo.</translation>
    </message>
</context>
<context>
    <name>TBatchRun</name>
    <message>
        <source>the controller was unplugged</source>
        <translation>el controlador se desconectó</translation>
    </message>
    <message>
        <source>the controller stopped answering</source>
        <translation>el controlador dejó de responder</translation>
    </message>
    <message>
        <source>A batch is running already.</source>
        <translation>Ya hay un lote en curso.</translation>
    </message>
    <message>
        <source>The units table has errors; nothing is written while any remains.</source>
        <translation>La tabla de unidades tiene errores; no se escribe nada mientras quede alguno.</translation>
    </message>
    <message>
        <source>%1: the backups folder cannot be made</source>
        <translation>%1: no se puede crear la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>abandoned by the operator</source>
        <translation>abandonada por el operador</translation>
    </message>
    <message>
        <source>Stopping once this step has ended (stop again to abandon the unit).</source>
        <translation>Deteniendo al terminar este paso (pulse Detener otra vez para abandonar la unidad).</translation>
    </message>
    <message>
        <source>No controller came within the wait.</source>
        <translation>No se conectó ningún controlador dentro del tiempo de espera.</translation>
    </message>
    <message>
        <source>%1 controllers are plugged in: unplug all but one</source>
        <translation>Hay %1 controladores conectados: desconecte todos menos uno</translation>
    </message>
    <message>
        <source>The controller at %1 is in program mode: left untouched; unplug it</source>
        <translation>El controlador en %1 está en modo de programación: no se ha tocado; desconéctelo</translation>
    </message>
    <message>
        <source>Identifying the controller at %1</source>
        <translation>Identificando el controlador en %1</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened: left untouched; unplug it</source>
        <translation>El controlador en %1 no se puede abrir: no se ha tocado; desconéctelo</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened (%2): left untouched; unplug it</source>
        <translation>El controlador en %1 no se puede abrir (%2): no se ha tocado; desconéctelo</translation>
    </message>
    <message>
        <source>The controller at %1 refused (%2): left untouched; unplug it</source>
        <translation>El controlador en %1 ha rechazado la operación (%2): no se ha tocado; desconéctelo</translation>
    </message>
    <message>
        <source>the backup could not be saved: </source>
        <translation>no se pudo guardar la copia de seguridad: </translation>
    </message>
    <message>
        <source>Controller %1 backed up in %2</source>
        <translation>Copia de seguridad del controlador %1 guardada en %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Escribiendo %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>Verificando %1</translation>
    </message>
    <message>
        <source>Row %1 verified: unplug it</source>
        <translation>Fila %1 verificada: desconecte el controlador</translation>
    </message>
    <message>
        <source>Row %1 differs: %2: unplug it</source>
        <translation>Fila %1 con diferencias: %2: desconecte el controlador</translation>
    </message>
    <message>
        <source>Controller %1 is done already in this run: unplug it</source>
        <translation>El controlador %1 ya se ha completado en esta ejecución: desconéctelo</translation>
    </message>
    <message>
        <source>Controller %1 is in no row of the table: left untouched; unplug it</source>
        <translation>El controlador %1 no está en ninguna fila de la tabla: no se ha tocado; desconéctelo</translation>
    </message>
    <message>
        <source>Controller %1 is done already (row %2): unplug it</source>
        <translation>El controlador %1 ya se ha completado (fila %2): desconéctelo</translation>
    </message>
    <message>
        <source>Backing up controller %1 for %2</source>
        <translation>Haciendo la copia de seguridad del controlador %1 para %2</translation>
    </message>
    <message>
        <source>The controller at %1: %2; unplug it and plug it in again</source>
        <translation>El controlador en %1: %2; desconéctelo y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>copia de seguridad</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escritura</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>lectura de verificación</translation>
    </message>
    <message>
        <source>Row %1 not completed: %2 during the %3 (report %4 of %5)</source>
        <translation>Fila %1 no completada: %2 durante la %3 (paquete %4 de %5)</translation>
    </message>
    <message>
        <source>Row %1 not completed: unplug the controller and plug it in again to write it again</source>
        <translation>Fila %1 no completada: desconecte el controlador y vuelva a conectarlo para escribirlo de nuevo</translation>
    </message>
    <message>
        <source>The record cannot be written: %1</source>
        <translation>No se puede escribir el registro: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1</source>
        <translation>Conecte el controlador para %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1 or for another of the %2 pending rows</source>
        <translation>Conecte el controlador para %1 o para otra de las %2 filas pendientes</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Comparar con QUILMOX</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Load Controller Settings</source>
        <translation>Cargar ajustes del controlador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>One setting differs between the form and QUILMOX:</source>
        <translation>Un ajuste difiere entre el formulario y QUILMOX:</translation>
    </message>
    <message>
        <source>%1 settings differ between the form and QUILMOX:</source>
        <translation>%1 ajustes difieren entre el formulario y QUILMOX:</translation>
    </message>
</context>
<context>
    <name>TDeviceProtocol</name>
    <message>
        <source>Application is not a %1</source>
        <translation>La aplicación no es un %1</translation>
    </message>
    <message>
        <source>Dedudev Version:%1</source>
        <translation>Versión del equipo: %1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <translation>Número de serie: %1</translation>
    </message>
    <message>
        <source>Data downloaded</source>
        <translation>Datos enviados</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Escritura completada</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lectura completada</translation>
    </message>
</context>
<context>
    <name>TDeviceSession</name>
    <message>
        <source>QUILMOX was disconnected.</source>
        <translation>QUILMOX se ha desconectado.</translation>
    </message>
    <message>
        <source>QUILMOX stopped answering.</source>
        <translation>QUILMOX ha dejado de responder.</translation>
    </message>
    <message>
        <source>QUILMOX is in Program Mode</source>
        <translation>QUILMOX está en modo de programación</translation>
    </message>
    <message>
        <source>Cannot find QUILMOX</source>
        <translation>No se encuentra QUILMOX</translation>
    </message>
    <message>
        <source>Write not completed.</source>
        <translation>Escritura no completada.</translation>
    </message>
    <message>
        <source>Read not completed.</source>
        <translation>Lectura no completada.</translation>
    </message>
    <message>
        <source>Compare not completed.</source>
        <translation>Comparación no completada.</translation>
    </message>
    <message>
        <source>Signal strength not completed.</source>
        <translation>Consulta de la intensidad de señal no completada.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Estado de la ayuda</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Contenido de la ayuda</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navegación de la ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Not opened in the help window: %1</source>
        <translation>No se abre en la ventana de ayuda: %1</translation>
    </message>
    <message>
        <source>This help file has no page %1</source>
        <translation>Este archivo de ayuda no tiene la página %1</translation>
    </message>
    <message>
        <source>Index keyword</source>
        <translation>Palabra clave del índice</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Entradas del índice</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Palabras de búsqueda</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <source>List Topics</source>
        <translation>Mostrar temas</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Topics found: %1</source>
        <translation>Temas encontrados: %1</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>No se puede mostrar la ayuda</translation>
    </message>
    <message>
        <source>The help file %1 is damaged: its pages cannot be read. Installing the tool again restores it.</source>
        <translation>El archivo de ayuda %1 está dañado: no se pueden leer sus páginas. Vuelva a instalar la herramienta para restaurarlo.</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen Help</source>
        <translation>Ayuda de QUILMOX Parlowen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Message Control</source>
        <translation>Control de mensajes</translation>
    </message>
    <message>
        <source>I/O Control</source>
        <translation>Control de E/S</translation>
    </message>
    <message>
        <source>Outputs 1 - 8</source>
        <translation>Salidas 1 - 8</translation>
    </message>
    <message>
        <source>Outputs 9 - 16</source>
        <translation>Salidas 9 - 16</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Número de teléfono:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nombre del equipo:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Request Status</source>
        <translation>Pedir estado</translation>
    </message>
    <message>
        <source>Inhibit Input</source>
        <translation>Entrada inhib.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Invert Inputs</source>
        <translation>Invertir entradas</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Invert None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Invert input %1</source>
        <translation>Invertir la entrada %1</translation>
    </message>
    <message>
        <source>Invert all inputs</source>
        <translation>Invertir todas las entradas</translation>
    </message>
    <message>
        <source>Invert no inputs</source>
        <translation>No invertir ninguna entrada</translation>
    </message>
    <message>
        <source>Invert Outputs</source>
        <translation>Invertir salidas</translation>
    </message>
    <message>
        <source>Invert output %1</source>
        <translation>Invertir la salida %1</translation>
    </message>
    <message>
        <source>Invert all outputs</source>
        <translation>Invertir todas las salidas</translation>
    </message>
    <message>
        <source>Invert no outputs</source>
        <translation>No invertir ninguna salida</translation>
    </message>
    <message>
        <source>Output Start Status</source>
        <translation>Estado inicial de las salidas</translation>
    </message>
    <message>
        <source>All Active</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>None Active</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Output start status %1</source>
        <translation>Estado inicial de la salida %1</translation>
    </message>
    <message>
        <source>All outputs active at start</source>
        <translation>Todas las salidas activas al inicio</translation>
    </message>
    <message>
        <source>No outputs active at start</source>
        <translation>Ninguna salida activa al inicio</translation>
    </message>
    <message>
        <source>Send Message on Active Input</source>
        <translation>Enviar mensaje con entrada activa</translation>
    </message>
    <message>
        <source>Send message on active input %1</source>
        <translation>Enviar mensaje con la entrada %1 activa</translation>
    </message>
    <message>
        <source>Send message on all active inputs</source>
        <translation>Enviar mensaje con todas las entradas activas</translation>
    </message>
    <message>
        <source>Send message on no active input</source>
        <translation>No enviar mensaje con ninguna entrada activa</translation>
    </message>
    <message>
        <source>Send Message on Inactive Input</source>
        <translation>Enviar mensaje con entrada inactiva</translation>
    </message>
    <message>
        <source>Send message on inactive input %1</source>
        <translation>Enviar mensaje con la entrada %1 inactiva</translation>
    </message>
    <message>
        <source>Send message on all inactive inputs</source>
        <translation>Enviar mensaje con todas las entradas inactivas</translation>
    </message>
    <message>
        <source>Send message on no inactive input</source>
        <translation>No enviar mensaje con ninguna entrada inactiva</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Output %1 on command word</source>
        <translation>Palabra del comando de activación de la salida %1</translation>
    </message>
    <message>
        <source>Output %1 on command enabled</source>
        <translation>Comando de activación de la salida %1 habilitado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Output %1 off command word</source>
        <translation>Palabra del comando de desactivación de la salida %1</translation>
    </message>
    <message>
        <source>Output %1 off command enabled</source>
        <translation>Comando de desactivación de la salida %1 habilitado</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Output %1 toggle command word</source>
        <translation>Palabra del comando de cambio de la salida %1</translation>
    </message>
    <message>
        <source>Output %1 toggle command enabled</source>
        <translation>Comando de cambio de la salida %1 habilitado</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Output %1 pulse command word</source>
        <translation>Palabra del comando de pulso de la salida %1</translation>
    </message>
    <message>
        <source>Output %1 pulse command enabled</source>
        <translation>Comando de pulso de la salida %1 habilitado</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Request status keyword</source>
        <translation>Palabra clave de petición de estado</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Archivos de datos (*.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 Vesion: %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <translation>Los datos han cambiado.
¿Guardar ahora?</translation>
    </message>
    <message>
        <source>Compare complete: no differences</source>
        <translation>Comparación completada: sin diferencias</translation>
    </message>
    <message>
        <source>QUILMOX holds the settings shown.</source>
        <translation>QUILMOX contiene los ajustes mostrados.</translation>
    </message>
    <message>
        <source>Compare complete: %1 differences</source>
        <translation>Comparación completada: %1 diferencias</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lectura completada</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Load the file when the write has ended.</source>
        <translation>Se está escribiendo en QUILMOX.
Cargue el archivo cuando termine la escritura.</translation>
    </message>
    <message>
        <source>QUILMOX is being read.
Load the file when the read has ended.</source>
        <translation>Se está leyendo QUILMOX.
Cargue el archivo cuando termine la lectura.</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Closing now leaves it with part of the new settings.
Close anyway?</source>
        <translation>Se está escribiendo en QUILMOX.
Si cierra ahora, quedará solo con parte de los nuevos ajustes.
¿Cerrar de todos modos?</translation>
    </message>
    <message>
        <source>File Error:</source>
        <translation>Error de archivo:</translation>
    </message>
    <message>
        <source>File Saved:</source>
        <translation>Archivo guardado:</translation>
    </message>
    <message>
        <source>File Loaded:</source>
        <translation>Archivo cargado:</translation>
    </message>
    <message>
        <source>The number of the controller&apos;s inhibit input, 0 to 16.</source>
        <translation>El número de la entrada de inhibición del controlador, de 0 a 16.</translation>
    </message>
    <message>
        <source>How long the Pulse command keeps the output switched, 10 to 65000.</source>
        <translation>Cuánto tiempo mantiene conmutada la salida el comando Pulso, de 10 a 65000.</translation>
    </message>
    <message>
        <source>The request-status keyword, at most 15 characters; the Request Status box enables it.</source>
        <translation>La palabra clave de petición de estado, de 15 caracteres como máximo; la casilla Pedir estado la habilita.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Read From QUILMOX</source>
        <translation>Leer de QUILMOX</translation>
    </message>
    <message>
        <source>Write To QUILMOX</source>
        <translation>Escribir en QUILMOX</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Get Signal Strength</source>
        <translation>Intensidad de señal</translation>
    </message>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Comparar con QUILMOX</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Inhibit input</source>
        <translation>Entrada de inhibición</translation>
    </message>
    <message>
        <source>Request status enabled</source>
        <translation>Petición de estado habilitada</translation>
    </message>
    <message>
        <source>Pulse period</source>
        <translation>Dur. pulso</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Habilit.</translation>
    </message>
    <message>
        <source>Output %1 pulse period</source>
        <translation>Duración del pulso de la salida %1</translation>
    </message>
    <message>
        <source>Site Work…</source>
        <translation>Trabajo en obra…</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Trabajo en obra</translation>
    </message>
    <message>
        <source>A batch of controllers from one template and a table of units, each verified and recorded.</source>
        <translation>Un lote de controladores a partir de una plantilla y una tabla de unidades, cada uno verificado y registrado.</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 command</source>
        <translation>%1: %2, comando %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 enabled</source>
        <translation>%1: %2, comando %3 habilitado</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 habilitada</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Bytes reservados</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen speaks %1 from its next start.</source>
        <translation>QUILMOX Parlowen usará %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>System language (%1)</source>
        <translation>Idioma del sistema (%1)</translation>
    </message>
</context>
<context>
    <name>TSignalHistoryStrip</name>
    <message>
        <source>Signal strength history</source>
        <translation>Historial de la intensidad de señal</translation>
    </message>
    <message>
        <source>No values yet</source>
        <translation>Todavía no hay valores</translation>
    </message>
    <message>
        <source>The last two minutes; latest value %1</source>
        <translation>Los dos últimos minutos; último valor: %1</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
</context>
<context>
    <name>TSignalStrengthForm</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Keep refreshing</source>
        <translation>Actualizar continuamente</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensidad de señal</translation>
    </message>
    <message>
        <source>Refresh signal strength</source>
        <translation>Actualizar la intensidad de señal</translation>
    </message>
    <message>
        <source>Close signal strength window</source>
        <translation>Cerrar la ventana de intensidad de señal</translation>
    </message>
    <message>
        <source>Asks the controller again every two seconds while this window is shown.</source>
        <translation>Vuelve a consultar al controlador cada dos segundos mientras esta ventana está abierta.</translation>
    </message>
</context>
<context>
    <name>TSiteWorkForm</name>
    <message>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>con diferencias</translation>
    </message>
    <message>
        <source>not completed</source>
        <translation>no completada</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>pendiente</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Archivos de datos (*.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Trabajo en obra</translation>
    </message>
    <message>
        <source>The form as shown</source>
        <translation>El formulario mostrado</translation>
    </message>
    <message>
        <source>Template: the form as shown</source>
        <translation>Plantilla: el formulario mostrado</translation>
    </message>
    <message>
        <source>Every setting a row leaves out is the one the main window shows.</source>
        <translation>Cada ajuste que una fila no indica toma el valor que muestra la ventana principal.</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Archivo de configuración:</translation>
    </message>
    <message>
        <source>Template: a settings file</source>
        <translation>Plantilla: un archivo de configuración</translation>
    </message>
    <message>
        <source>Template settings file</source>
        <translation>Archivo de configuración de la plantilla</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose the template settings file</source>
        <translation>Elegir el archivo de configuración de la plantilla</translation>
    </message>
    <message>
        <source>Units table</source>
        <translation>Tabla de unidades</translation>
    </message>
    <message>
        <source>A CSV file: a header naming settings, then one row per controller.</source>
        <translation>Un archivo CSV: una cabecera que nombra los ajustes y después una fila por controlador.</translation>
    </message>
    <message>
        <source>Choose the units table</source>
        <translation>Elegir la tabla de unidades</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>One line is added per unit: time, serial number and result.</source>
        <translation>Se añade una línea por unidad: hora, número de serie y resultado.</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Elegir el archivo de registro</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>What each controller held before it was written, as a settings file.</source>
        <translation>Lo que contenía cada controlador antes de escribirlo, como archivo de configuración.</translation>
    </message>
    <message>
        <source>Choose the backups folder</source>
        <translation>Elegir la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Plantilla:</translation>
    </message>
    <message>
        <source>&amp;Units table:</source>
        <translation>&amp;Tabla de unidades:</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Registro:</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Copias de seguridad:</translation>
    </message>
    <message>
        <source>Problems of the units table</source>
        <translation>Problemas de la tabla de unidades</translation>
    </message>
    <message>
        <source>Rows of the units table</source>
        <translation>Filas de la tabla de unidades</translation>
    </message>
    <message>
        <source>Each row&apos;s settings that differ from the template, and how far it has come.</source>
        <translation>Los ajustes de cada fila que difieren de la plantilla y hasta dónde ha avanzado.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Differences from the template</source>
        <translation>Diferencias con la plantilla</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Siguiente paso</translation>
    </message>
    <message>
        <source>Progress of the unit under way</source>
        <translation>Progreso de la unidad en curso</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Site work log</source>
        <translation>Historial del trabajo en obra</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Between units the batch ends at once; during one, after its step.</source>
        <translation>Entre unidades, el lote termina de inmediato; durante una unidad, al acabar su paso.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Open the folder of the record</source>
        <translation>Abrir la carpeta del registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Choose the units table.</source>
        <translation>Elija la tabla de unidades.</translation>
    </message>
    <message>
        <source>Correct the units table: nothing is written while it has errors.</source>
        <translation>Corrija la tabla de unidades: no se escribe nada mientras tenga errores.</translation>
    </message>
    <message>
        <source>Press Start, then plug in the first controller.</source>
        <translation>Pulse Iniciar y después conecte el primer controlador.</translation>
    </message>
    <message>
        <source>The template or the table has changed: check the rows, then press Start again.</source>
        <translation>La plantilla o la tabla ha cambiado: revise las filas y vuelva a pulsar Iniciar.</translation>
    </message>
    <message>
        <source>Every row is verified.</source>
        <translation>Todas las filas están verificadas.</translation>
    </message>
    <message>
        <source>Every row is done; a unit differs from its row: see the record.</source>
        <translation>Todas las filas están hechas; una unidad difiere de su fila: consulte el registro.</translation>
    </message>
    <message>
        <source>Stopped: the record or a backup could not be written.</source>
        <translation>Detenido: no se pudo escribir el registro o una copia de seguridad.</translation>
    </message>
    <message>
        <source>Stopped. Rows pending: %1. Press Start to go on.</source>
        <translation>Detenido. Filas pendientes: %1. Pulse Iniciar para continuar.</translation>
    </message>
    <message>
        <source>A batch is running.
Stop it before closing.</source>
        <translation>Hay un lote en curso.
Deténgalo antes de cerrar.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>&quot;%1&quot; must be on or off, true or false, yes or no, 1 or 0</source>
        <translation>&quot;%1&quot; debe ser on u off, true o false, yes o no, 1 o 0</translation>
    </message>
    <message>
        <source>the table is empty: its first line names the settings of its columns</source>
        <translation>la tabla está vacía: su primera línea nombra los ajustes de sus columnas</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>la columna %1 no tiene nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names columns %2 and %3</source>
        <translation>&quot;%1&quot; nombra las columnas %2 y %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting</source>
        <translation>&quot;%1&quot; no es un ajuste</translation>
    </message>
    <message>
        <source>the header names no setting, only the serial number</source>
        <translation>la cabecera no nombra ningún ajuste, solo el número de serie</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>la fila tiene %1 celdas y la cabecera %2</translation>
    </message>
    <message>
        <source>&quot;serial&quot; is empty: each row names its controller</source>
        <translation>&quot;serial&quot; está vacío: cada fila nombra su controlador</translation>
    </message>
    <message>
        <source>&quot;serial&quot; must be a serial number as info reports it, from -2147483648 to 2147483647</source>
        <translation>&quot;serial&quot; debe ser un número de serie tal como lo indica info, de -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>&quot;serial&quot; %1 is on lines %2 and %3</source>
        <translation>&quot;serial&quot; %1 está en las líneas %2 y %3</translation>
    </message>
    <message>
        <source>&quot;device_name&quot; %1 is on lines %2 and %3</source>
        <translation>&quot;device_name&quot; %1 está en las líneas %2 y %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>column %1:</source>
        <translation>columna %1:</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>%1: %2 in the row, %3 in the template</source>
        <translation>%1: %2 en la fila, %3 en la plantilla</translation>
    </message>
    <message>
        <source>row %1 (device_name %2)</source>
        <translation>fila %1 (device_name %2)</translation>
    </message>
    <message>
        <source>row %1 (serial %2)</source>
        <translation>fila %1 (serial %2)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
</context>
</TS>
