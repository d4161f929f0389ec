<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>Los lugares, sus regiones y sus zonas horarias</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>Los contornos de la tierra en el mapa</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>Base de datos de zonas horarias</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>Las reglas detrás de cada reloj, mantenidas por la IANA</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>Acerca de Horavia</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>Horavia muestra la hora en todo el mundo. Cada diferencia y cada cambio de horario de verano proviene de la copia de la [base de datos de zonas horarias de la IANA](https://www.iana.org/time-zones) de su sistema; los nombres de las zonas, los formatos y los nombres de los países provienen de [Unicode CLDR](https://cldr.unicode.org) a través de [ICU](https://icu.unicode.org).</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>Los nombres de ciudades, regiones, coordenadas y zonas horarias son de [GeoNames](https://www.geonames.org), con licencia [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), seleccionados y modificados. Los contornos de la tierra están hechos con [Natural Earth](https://www.naturalearthdata.com), que es de dominio público.</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>Hecho con [Qt](https://www.qt.io), usado bajo la [GNU LGPL versión 3](https://www.gnu.org/licenses/lgpl-3.0.html).</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>Los datos detrás de Horavia</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© Los desarrolladores de Horavia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>© %1 The Horavia developers</source>
        <extracomment>%1 the year</extracomment>
        <translation>© %1 Los desarrolladores de Horavia</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <source>%1 · %2</source>
        <extracomment>A bar&apos;s short line for the next event: its title and how far off it is (&quot;Standup · in 12 minutes&quot;)</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Untitled event</source>
        <extracomment>An event of the user&apos;s calendar that has no title</extracomment>
        <translation>Evento sin título</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>Todo el día</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>ahora</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Said by a screen reader: an event&apos;s title, its start (&quot;1:00 PM&quot;) and how far off it is (&quot;in 25 minutes&quot;)</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Next event: %1</source>
        <extracomment>Said by a screen reader; %1 is the event&apos;s title, its start and how far off it is</extracomment>
        <translation>Próximo evento: %1</translation>
    </message>
</context>
<context>
    <name>AgendaView</name>
    <message>
        <source>No upcoming events</source>
        <extracomment>Beside the clocks, when the user&apos;s calendars have no event ahead this week</extracomment>
        <translation>No hay eventos próximos</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>Mostrar los relojes a su inicio</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>Hoy (%n)</numerusform>
            <numerusform>Hoy (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>Eventos de hoy: %n</numerusform>
            <numerusform>Eventos de hoy: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>Avisarme…</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>Vea sus próximos eventos junto a los relojes: añada un archivo de calendario, una carpeta de ellos o la dirección de un calendario al que suscribirse.</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>A&amp;ñadir archivo…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>&amp;Añadir carpeta…</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>&amp;Suscribirse…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>Los eventos &amp;de todo el día cuentan como próximo evento</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>Añadir archivo de calendario</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>Calendarios (%1)</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>Añadir carpeta de calendario</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>Suscribirse a un calendario</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>Dirección del calendario (https: o webcal:):</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>No es posible suscribirse a esa dirección: debe empezar por https: o webcal:.</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>La carpeta no existe.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>Solo se lee %n archivo.</numerusform>
            <numerusform>Solo se leen los primeros %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>El calendario es demasiado grande.</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>El archivo no es un calendario.</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>No es posible suscribirse a esta dirección.</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>El calendario tardó demasiado en llegar.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>No se puede contactar con el servidor del calendario.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>El servidor del calendario respondió %1.</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>El calendario llegó incompleto.</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>La dirección no ofrece ningún calendario.</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>El calendario ya no está en este escritorio.</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>No se puede abrir el calendario: %1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>No se pueden leer los eventos del calendario: %1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>Renombrar %1</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>Deje un campo vacío para usar el valor predeterminado. Puede escribir o pegar cualquier emoji en el primer campo.</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Horario laboral desde</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Horario laboral hasta</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>Horario laboral de %1</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>&amp;Horario laboral: de %1 a %2</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Sin resultados para «%1»</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>Revise la ortografía o pruebe otra búsqueda.</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>El archivo es más grande de lo que puede ser una lista de ciudades (%1 KB).</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>El archivo no es texto en UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>El archivo no es una lista de ciudades de Horavia.</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>El archivo es de otra versión de Horavia (%1), que esta no puede leer.</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>El archivo incluye más de %1 ciudades.</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>entrada %1: ninguna ciudad</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1: no es una ciudad del catálogo</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1: repetida</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1 – etiqueta %2: Horavia no puede aceptarla</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – etiqueta: no es texto</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1 – emoji %2: Horavia no puede aceptarlo</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – emoji: no es texto</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1 – horario laboral %2: Horavia no puede aceptarlo</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – horario laboral: no es texto</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>Su zona horaria</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>Sus ciudades</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>Busque arriba o haga clic en el mapa para añadir una ciudad.</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>Lugares cercanos</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>Cerca de %1</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>Sol visible todo el día</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>Sol oculto todo el día</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>Salida %1 · Puesta %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>Sin resultados para «%1»</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>salida del sol %1, puesta del sol %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>Listas de ciudades de Horavia (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>Exportar ciudades</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>Importar ciudades</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>No se pudieron exportar las ciudades.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>No se pudo leer «%1».</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>No se pudo importar «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>Se añadió %n ciudad de «%1».</numerusform>
            <numerusform>Se añadieron %n ciudades de «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>Todas las ciudades de «%1» ya están en su lista.</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>¿Reemplazar sus nombres, emoji y horarios laborales por los del archivo?</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>Difieren en %1.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>Conservar los míos</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>Ciudades</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>Ciudades de Horavia</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>Se omitió %n entrada: %1.</numerusform>
            <numerusform>Se omitieron %n entradas: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>Los relojes se adelantan %1 el %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>Los relojes se atrasan %1 el %2</translation>
    </message>
</context>
<context>
    <name>ClockEntries</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Copy Times: home&apos;s date, then every clock on one line (&quot;Thu, Jan 15: London 8:00 PM · Tokyo 5:00 AM tomorrow&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ClockExport</name>
    <message>
        <source>“%1” is no date and time (2026-03-29T15:00, with an offset, or “9am Tokyo”)</source>
        <translation>«%1» no es una fecha y hora (2026-03-29T15:00, con una diferencia, o «9am Tokyo»)</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>su zona horaria</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>de día</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>crepúsculo</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>oscuro</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>en su lista</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Earlier</source>
        <extracomment>A step of time back on the strip</extracomment>
        <translation>Antes</translation>
    </message>
    <message>
        <source>An Hour Earlier</source>
        <extracomment>Moves the chosen time one hour back</extracomment>
        <translation>Una hora antes</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>Una hora después</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>Un día antes</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>Un día después</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>Ir al próximo momento en que todos estén en horario laboral (%1)</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>&amp;Mostrar relojes</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>E&amp;legir ciudades…</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>A&amp;justes…</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>&amp;Acerca de Horavia</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>&amp;Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>&amp;Salir de Horavia</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>&amp;Próxima coincidencia</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>Copiar &amp;horas</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>C&amp;opiar enlace</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>Crear &amp;evento…</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>Hay &amp;una nueva versión disponible</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>P&amp;róximo evento</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>A&amp;visarme…</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>Recorda&amp;torios…</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>horario laboral</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>fuera del horario laboral</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>noche</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>Mostrar relojes</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>La ruta de la aplicación no se puede escribir en una entrada de inicio automático.</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>No se pudo crear la carpeta %1, o otros pueden modificarla.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>Borrar selección</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>Ciudades</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>Buscar ciudades y zonas horarias</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>Cambiar el orden de las ciudades</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>Horario laboral…</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>Restablecer nombre y emoji</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>Copiar hora</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>Mostrar en la bandeja</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>Se quitó %1.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>E&amp;xportar ciudades…</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>&amp;Importar ciudades…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>&amp;Cerrar ventana</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>Aún no hay ciudades</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>Nadie trabaja en los próximos 7 días.</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>No hay coincidencia completa en los próximos 7 días; a esa hora, fuera del horario laboral: %1.</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Volver a la hora actual (%1)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>unexpected %1</source>
        <extracomment>Command line error; %1 an argument given</extracomment>
        <translation>inesperado: %1</translation>
    </message>
    <message>
        <source>--print takes text, line, json or waybar, not %1</source>
        <extracomment>Command line error; keep the option and format names; %1 the format given</extracomment>
        <translation>--print acepta text, line, json o waybar, no %1</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>«%1» corresponde a más de una zona: %2. Indique la ciudad</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>--follow sigue la hora actual; no acepta --at</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>Pruebe «%1».</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city: el catálogo no tiene ninguna ciudad con el id %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>Usage: horavia [--toggle]
       horavia [--print[=text|line|json|waybar]] [--at TIME]
               [--city ID] [--follow]

  --toggle         opens the tray panel of the running Horavia, or closes it;
                   starts Horavia with the panel open when none runs. Bind it to
                   a key in your desktop&apos;s keyboard settings.

With --print, prints the time of your own zone and of every city you track, then
exits. It reads your settings, needs no display and leaves a running Horavia
alone.

  --print          one line per clock: title, time, and the day when it differs
  --print=line     every clock on one line, for polybar and i3blocks
  --print=json     a JSON array: id, title, zone, utcOffset (seconds), localTime
                   (ISO 8601 with offset) and dayOffset of each clock, with
                   the next reminders at their times in its zone
  --print=waybar   one JSON object per line for waybar: text, tooltip, class
                   (markup-safe: &quot;&amp;&quot;, &quot;&lt;&quot; and &quot;&gt;&quot; as entities)
  --at TIME        the clocks at another instant: ISO 8601 with an offset or Z
                   (2026-03-29T15:00Z), or a date and time in your zone
                   (2026-03-29T15:00). A time your clocks skip is an error, and
                   one they repeat is its first occurrence. Or as you would
                   write it: &quot;9am Tokyo&quot;, &quot;Fri 14:00 in New York&quot;, &quot;3pm PST&quot; (at
                   any date; an abbreviation is its zone&apos;s, so EST in July reads
                   as EDT).
  --city ID        waybar&apos;s text shows this city (an id of the catalogue)
                   instead of your own zone
  --follow         print again at each minute boundary and when the settings
                   change, until the reader goes
  -h, --help       this text
</source>
        <translation>Uso: horavia [--toggle]
     horavia [--print[=text|line|json|waybar]] [--at HORA]
             [--city ID] [--follow]

  --toggle         abre el panel del Horavia en ejecución, o lo cierra; inicia
                   Horavia con el panel abierto si no hay ninguno. Asígnelo a
                   una tecla en los ajustes de teclado de su escritorio.

Con --print, muestra la hora de su zona y de cada ciudad que sigue, y termina.
Lee sus ajustes, no necesita pantalla y no toca un Horavia en ejecución.

  --print          una línea por reloj: título, hora y el día si es distinto
  --print=line     todos los relojes en una línea, para polybar e i3blocks
  --print=json     una matriz JSON: id, title, zone, utcOffset (segundos),
                   localTime (ISO 8601 con diferencia) y dayOffset de cada reloj
                   con los próximos recordatorios a su hora en su zona
  --print=waybar   un objeto JSON por línea para waybar: text, tooltip, class
                   (seguro para marcado: «&amp;», «&lt;» y «&gt;» como entidades)
  --at HORA        los relojes en otro instante: ISO 8601 con diferencia o Z
                   (2026-03-29T15:00Z), o fecha y hora de su zona
                   (2026-03-29T15:00). Una hora que sus relojes saltan es un
                   error; una que repiten vale su primera vez. O como se
                   escribe: «9am Tokyo», «Fri 14:00 in New York», «3pm PST» (en
                   cualquier fecha; una abreviatura es la de su zona: EST en
                   julio es EDT).
  --city ID        el texto de waybar muestra esta ciudad (un id del catálogo)
                   en lugar de su zona
  --follow         vuelve a mostrar en cada cambio de minuto y cuando cambian
                   los ajustes, hasta que el lector se va
  -h, --help       este texto
</translation>
    </message>
</context>
<context>
    <name>ReminderSheet</name>
    <message>
        <source>Remind Me</source>
        <extracomment>Title of the window that sets a reminder
----------
The button that sets a reminder</extracomment>
        <translation>Recordármelo</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>Editar recordatorio</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>La hora en tus ciudades</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>Mi propia zona horaria (me sigue)</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>Hora de %1</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>&amp;Seguir la hora de:</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>&amp;Recordar:</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of a reminder&apos;s note</extracomment>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>That time has passed. Choose a later time or a shorter lead.</source>
        <translation>Esa hora ya pasó. Elige una hora posterior o una antelación menor.</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>Los recordatorios llegan mientras Horavia está abierto. Un ordenador en reposo no se despierta para ellos: llegan al despertar, marcados como tardíos.</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%1 en %2 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>A la hora</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>%n minuto antes</numerusform>
            <numerusform>%n minutos antes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>Tarde: su hora llegó cuando Horavia no estaba abierto o el ordenador estaba en reposo.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>Posponer 10 min</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>%n recordatorio llegó mientras no estabas</numerusform>
            <numerusform>%n recordatorios llegaron mientras no estabas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>No hay recordatorios. Elige «Avisarme…» en una hora para crear uno.</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Entregado</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>Pospuesto</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>Como el sistema</translation>
    </message>
    <message>
        <source>12-Hour</source>
        <extracomment>The time format with AM and PM</extracomment>
        <translation>Formato de 12 horas</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <extracomment>The time format from 0 to 23</extracomment>
        <translation>Formato de 24 horas</translation>
    </message>
    <message>
        <source>Yesterday / Tomorrow</source>
        <extracomment>Other days written as yesterday or tomorrow</extracomment>
        <translation>Ayer / Mañana</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>Por hora</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>Alfabéticamente</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>Hora junto al icono</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>Hora como icono</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>Ho&amp;ra:</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>Mostrar mi &amp;zona horaria arriba</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>Mostrar en &amp;la bandeja del sistema</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>Mostrar &amp;en la barra de tareas</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>H&amp;orario laboral:</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>Horas de &amp;vigilia:</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>Mostrar la diferencia con mi &amp;hora</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>E&amp;n la bandeja, mostrar:</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>O&amp;tros días:</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>Mostrar banderas &amp;junto a las ciudades</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>&amp;Paso de tiempo:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>Horavia está actualizado.</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Hay una nueva versión disponible.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>No se pudieron guardar sus ajustes. Los cambios se aplican hasta que salga de Horavia.</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>Cambiar el atajo «Mostrar relojes»</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>Planificación</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Horario laboral desde</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Horario laboral hasta</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>Inicio de las horas de vigilia</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>Fin de las horas de vigilia</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>Las actualizaciones de Horavia llegan desde su gestor de paquetes.</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>Mostrar relojes: aún sin tecla</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>Mostrar relojes: %1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Horavia no pudo cambiar si se abre al iniciar sesión.

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>Este escritorio muestra cada ventana abierta en su barra de tareas; Horavia no puede quitar sus ventanas de ella.</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>Una ciudad un día por delante muestra: %1 %2</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>Para abrir los relojes con el teclado, asigne la orden «%1» a una tecla en los ajustes de teclado de su escritorio.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>Abrir al &amp;iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>&amp;Cambiar…</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>&amp;Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>B&amp;uscar ahora</translation>
    </message>
    <message>
        <source>S&amp;how…</source>
        <extracomment>Button: shows the waiting update</extracomment>
        <translation>&amp;Mostrar…</translation>
    </message>
</context>
<context>
    <name>TimeAnswer</name>
    <message>
        <source>No place or time zone called “%1”</source>
        <extracomment>A typed time refused; %1 the place typed</extracomment>
        <translation>No hay ningún lugar ni zona horaria llamado «%1»</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>¿Qué día? «%1» no indica ninguno, o indica varios</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%1 no existe en %2 el %3: los relojes la saltan</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%1 el %2 en %3 está a más de una semana</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>Mostrar %1 en %2 · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>Mostrar %1 el %2 en %3</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>Mostrar %1 en %2 · %3 · leído como %4</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>Mostrar %1 el %2 en %3, leído como %4</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>3 p. m. Tokio</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>vie 9:00 en Paris</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>Escribir una hora</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>Una hora: %1, %2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>Escriba una hora, como %1 o %2</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>recordar</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>Recordar: %1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>Este enlace es demasiado largo para ser de Horavia.</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>Este no es un enlace de Horavia.</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>Este enlace tiene partes que Horavia no conoce.</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>Este enlace no indica ninguna hora.</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>Este enlace contiene campos que Horavia no conoce.</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>No se puede leer la hora de este enlace.</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>La hora de este enlace está a más de una semana.</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time</source>
        <extracomment>The strip of hours where a time is chosen</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Now, %1</source>
        <extracomment>The strip&apos;s value when it shows the current time; %1 the time</extracomment>
        <translation>Ahora, %1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Arrastre o use las flechas para elegir una hora; %1 vuelve a ahora</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Hay una nueva versión de Horavia disponible.</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>Mostrar las novedades de esta versión</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>Hay una nueva versión de Horavia disponible. Mostrar las novedades.</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>Ver novedades</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Hay una nueva versión de Horavia disponible.</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>No hay nada esperando para instalarse ahora.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>&amp;Instalar y reiniciar</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>Instalando…</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>No hay ningún instalador disponible.</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>El módulo de red no está disponible.</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>No hay ningún instalador disponible.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>No se pudo preparar la actualización: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>No se pudo guardar la actualización: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>No se pudo preparar la actualización.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>La actualización no pudo reemplazar la aplicación: %1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>La ruta contiene «..»: %1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>El archivo comprimido se expande a más de %1 MiB.</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>El archivo comprimido tiene más de %1 entradas.</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>El servidor respondió con el estado %1.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>No se pudo descomprimir la actualización.</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>Error al descomprimir: %1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>La dirección de la actualización no es válida.</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>El servidor envió algo inesperado.</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>La actualización descargada estaba vacía.</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>La descarga no contenía Horavia.</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>La descarga no es una copia firmada de esta aplicación, así que no se instaló.</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>La descarga no está firmada correctamente, así que no se instaló.</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>La descarga se interrumpió, así que no se usó.</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>El servidor tardó demasiado, así que se detuvo la descarga.</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>Esta versión ya está instalada.</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>La descarga no es más reciente que esta copia, así que no se instaló.</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>Esta copia pertenece a otro usuario, así que no puede actualizarse sola.</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>Esta copia se compiló sin dirección de actualización, así que no puede actualizarse sola.</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>La ruta es absoluta: %1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>No se permiten enlaces simbólicos: %1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>No se permiten enlaces duros: %1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>No se permiten archivos especiales: %1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>La actualización ocupa más de %1, así que no se descargó.</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>Las notas de la versión ocupan más de %1, así que no se leyeron.</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Mapa del mundo</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Mapa del mundo, %1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>Las flechas mueven el punto, con %1 de 10 en 10 grados; %2 muestra los lugares cercanos; %3 borra la selección.</translation>
    </message>
</context>
</TS>
