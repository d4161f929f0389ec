<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>Die Orte, ihre Regionen und ihre Zeitzonen</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>Die Umrisse des Festlands auf der Karte</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>Zeitzonen-Datenbank</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>Die Regeln hinter jeder Uhr, gepflegt von der IANA</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>Über Horavia</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>Horavia zeigt die Uhrzeit auf der ganzen Welt. Jede Abweichung und jede Sommerzeitumstellung stammt aus der Kopie der [IANA-Zeitzonen-Datenbank](https://www.iana.org/time-zones) auf Ihrem System; Zonennamen, Formate und Ländernamen stammen aus [Unicode CLDR](https://cldr.unicode.org) über [ICU](https://icu.unicode.org).</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>Städtenamen, Regionen, Koordinaten und Zeitzonen stammen von [GeoNames](https://www.geonames.org), lizenziert unter [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), ausgewählt und bearbeitet. Die Umrisse des Festlands sind mit [Natural Earth](https://www.naturalearthdata.com) erstellt, das gemeinfrei ist.</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>Erstellt mit [Qt](https://www.qt.io), verwendet unter der [GNU LGPL Version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>Die Daten hinter Horavia</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© Die Horavia-Entwickler</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>© %1 The Horavia developers</source>
        <extracomment>%1 the year</extracomment>
        <translation>© %1 Die Horavia-Entwickler</translation>
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
        <translation>Termin ohne Titel</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Said by a screen reader: an event&apos;s title, its start (&quot;1:00 PM&quot;) and how far off it is (&quot;in 25 minutes&quot;)</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Next event: %1</source>
        <extracomment>Said by a screen reader; %1 is the event&apos;s title, its start and how far off it is</extracomment>
        <translation>Nächster Termin: %1</translation>
    </message>
</context>
<context>
    <name>AgendaView</name>
    <message>
        <source>No upcoming events</source>
        <extracomment>Beside the clocks, when the user&apos;s calendars have no event ahead this week</extracomment>
        <translation>Keine anstehenden Termine</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>Die Uhren zu seinem Beginn zeigen</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>Heute (%n)</numerusform>
            <numerusform>Heute (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>Heutige Termine: %n</numerusform>
            <numerusform>Heutige Termine: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>Erinnerung planen …</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>Sehen Sie Ihre nächsten Termine neben den Uhren: Fügen Sie eine Kalenderdatei, einen Ordner davon oder die Adresse eines Kalenders zum Abonnieren hinzu.</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>Datei hinzu&amp;fügen …</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>&amp;Ordner hinzufügen …</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>&amp;Abonnieren …</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>Ganztägige Termine zäh&amp;len als nächster Termin</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>Kalenderdatei hinzufügen</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>Kalender (%1)</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>Kalenderordner hinzufügen</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>Kalender abonnieren</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>Adresse des Kalenders (https: oder webcal:):</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>Diese Adresse kann nicht abonniert werden: Sie muss mit https: oder webcal: beginnen.</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>Der Ordner ist nicht vorhanden.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>Nur %n Datei wird gelesen.</numerusform>
            <numerusform>Nur die ersten %n Dateien werden gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>Der Kalender ist zu groß.</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>Die Datei ist kein Kalender.</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>Diese Adresse kann nicht abonniert werden.</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>Der Kalender kam zu langsam an.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>Der Server des Kalenders ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>Der Server des Kalenders antwortete mit %1.</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>Der Kalender kam unvollständig an.</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>Unter der Adresse ist kein Kalender.</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>Der Kalender ist auf diesem Desktop nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>Der Kalender kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>Die Termine des Kalenders können nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>Lassen Sie ein Feld leer, um die Vorgabe zu verwenden. Jedes Emoji kann in das erste Feld eingegeben oder eingefügt werden.</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Arbeitszeit von</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Arbeitszeit bis</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>Arbeitszeit für %1</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>&amp;Arbeitszeit: %1 bis %2</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>Keine Ergebnisse</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Keine Ergebnisse für „%1“</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>Prüfen Sie die Schreibweise oder versuchen Sie eine neue Suche.</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>Die Datei ist größer, als eine Städteliste sein kann (%1 KB).</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>Die Datei ist kein Text in UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>Die Datei ist keine Liste von Städten aus Horavia.</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>Die Datei stammt aus einer anderen Version von Horavia (%1), die diese nicht lesen kann.</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>Die Datei enthält mehr als %1 Städte.</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>Eintrag %1: keine Stadt</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1: keine Stadt des Katalogs</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1: doppelt aufgeführt</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1 – Bezeichnung %2: kann Horavia nicht übernehmen</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – Bezeichnung: kein Text</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1 – Emoji %2: kann Horavia nicht übernehmen</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – Emoji: kein Text</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1 – Arbeitszeit %2: kann Horavia nicht übernehmen</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – Arbeitszeit: kein Text</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>Ihre Zeitzone</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>Ihre Städte</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>Suchen Sie oben oder klicken Sie auf die Karte, um eine Stadt hinzuzufügen.</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>In der Nähe</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>In der Nähe von %1</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>Sonne den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>Sonne den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>Sonnenaufgang %1 · Sonnenuntergang %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>Keine Ergebnisse für „%1“</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>Sonnenaufgang %1, Sonnenuntergang %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>Horavia-Städtelisten (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>Städte exportieren</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>Städte importieren</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>Die Städte konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>„%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>„%1“ konnte nicht importiert werden.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>%n Stadt aus „%1“ hinzugefügt.</numerusform>
            <numerusform>%n Städte aus „%1“ hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>Jede Stadt aus „%1“ ist schon in Ihrer Liste.</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>Ihre Namen, Emoji und Arbeitszeiten durch die der Datei ersetzen?</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>Sie unterscheiden sich bei %1.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>Städte</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>Horavia-Städte</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>%n Eintrag übersprungen: %1.</numerusform>
            <numerusform>%n Einträge übersprungen: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>Die Uhren werden am %2 um %1 vorgestellt</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>Die Uhren werden am %2 um %1 zurückgestellt</translation>
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
        <translation>„%1“ ist kein Datum mit Uhrzeit (2026-03-29T15:00, mit UTC-Versatz, oder „9am Tokyo“)</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>Ihre Zeitzone</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>Tageslicht</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>in Ihrer Liste</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Earlier</source>
        <extracomment>A step of time back on the strip</extracomment>
        <translation>Früher</translation>
    </message>
    <message>
        <source>An Hour Earlier</source>
        <extracomment>Moves the chosen time one hour back</extracomment>
        <translation>Eine Stunde früher</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>Eine Stunde später</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>Einen Tag früher</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>Einen Tag später</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>Später</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>Zur nächsten Zeit, in der alle in ihrer Arbeitszeit sind (%1)</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>Uhren &amp;anzeigen</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>St&amp;ädte auswählen …</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>E&amp;instellungen …</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>Über &amp;Horavia</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Nach &amp;Updates suchen …</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>Horavia &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>Nächste &amp;Überschneidung</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>Uhrzeiten &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>&amp;Link kopieren</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>&amp;Termin erstellen …</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>Eine neue &amp;Version ist verfügbar</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>&amp;Nächster Termin</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>Erinnerung &amp;planen …</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>Erinnerun&amp;gen …</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>außerhalb der Arbeitszeit</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>Nacht</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>Uhren anzeigen</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>Der Pfad des Programms lässt sich nicht in einen Autostart-Eintrag schreiben.</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>Der Ordner %1 konnte nicht erstellt werden, oder andere können ihn ändern.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>Städte</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>Städte und Zeitzonen suchen</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>Die Reihenfolge der Städte ändern</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>Arbeitszeit …</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>Name und Emoji zurücksetzen</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>Uhrzeit kopieren</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>In der Systemleiste anzeigen</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen …</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>Städte &amp;exportieren …</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>&amp;Städte importieren …</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>&amp;Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>Noch keine Städte</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>In den nächsten 7 Tagen arbeitet niemand.</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>Keine volle Überschneidung in den nächsten 7 Tagen; zu dieser Zeit außerhalb der Arbeitszeit: %1.</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Zurück zur aktuellen Zeit (%1)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>unexpected %1</source>
        <extracomment>Command line error; %1 an argument given</extracomment>
        <translation>unerwartet: %1</translation>
    </message>
    <message>
        <source>--print takes text, line, json or waybar, not %1</source>
        <extracomment>Command line error; keep the option and format names; %1 the format given</extracomment>
        <translation>--print nimmt text, line, json oder waybar, nicht %1</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>„%1“ steht für mehr als eine Zone: %2. Nennen Sie stattdessen die Stadt</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>--follow folgt der aktuellen Zeit; es nimmt kein --at</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>Mehr dazu: „%1“.</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city: Der Katalog hat keine Stadt mit der ID %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>%1 nimmt keinen Wert an</translation>
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
        <translation>Aufruf: horavia [--toggle]
        horavia [--print[=text|line|json|waybar]] [--at ZEIT]
                [--city ID] [--follow]

  --toggle         öffnet das Panel des laufenden Horavia oder schließt es;
                   startet Horavia mit offenem Fenster, wenn keines läuft. Legen
                   Sie es in den Tastatureinstellungen Ihres Desktops auf eine
                   Taste.

Mit --print gibt es die Uhrzeit Ihrer eigenen Zone und jeder Ihrer Städte aus
und beendet sich. Es liest Ihre Einstellungen, braucht keinen Bildschirm und
lässt ein laufendes Horavia in Ruhe.

  --print          eine Zeile je Uhr: Titel, Uhrzeit und der Tag, wenn er
                   abweicht
  --print=line     alle Uhren in einer Zeile, für polybar und i3blocks
  --print=json     ein JSON-Array: id, title, zone, utcOffset (Sekunden),
                   localTime (ISO 8601 mit UTC-Versatz) und dayOffset jeder Uhr
                   sowie den nächsten Erinnerungen in der Zone der Uhr
  --print=waybar   ein JSON-Objekt je Zeile für waybar: text, tooltip, class
                   (Markup-sicher: „&amp;“, „&lt;“ und „&gt;“ als Entitäten)
  --at ZEIT        die Uhren zu einem anderen Zeitpunkt: ISO 8601 mit
                   UTC-Versatz oder Z (2026-03-29T15:00Z) oder Datum und Uhrzeit
                   Ihrer Zone (2026-03-29T15:00). Eine übersprungene Zeit ist
                   ein Fehler, eine doppelte gilt beim ersten Mal. Oder wie man
                   sie schreibt: „9am Tokyo“, „Fri 14:00 in New York“, „3pm PST“
                   (an jedem Datum; eine Abkürzung steht für ihre Zone, EST im
                   Juli ist EDT).
  --city ID        waybars Text zeigt diese Stadt (eine ID des Katalogs) statt
                   Ihrer eigenen Zone
  --follow         gibt zu jeder vollen Minute und bei jeder Änderung der
                   Einstellungen neu aus, bis der Leser endet
  -h, --help       dieser Text
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
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>Erinnerung bearbeiten</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>Die Uhrzeit in Ihren Städten</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>Meine eigene Zeitzone (reist mit)</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>Zeit in %1</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>&amp;Richten nach:</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>&amp;Erinnern:</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of a reminder&apos;s note</extracomment>
        <translation>Optional</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>That time has passed. Choose a later time or a shorter lead.</source>
        <translation>Diese Zeit ist vorbei. Wählen Sie eine spätere Zeit oder einen kürzeren Vorlauf.</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>Erinnerungen kommen, während Horavia läuft. Ein schlafender Computer wird für sie nicht geweckt: Sie kommen beim Aufwachen, als verspätet markiert.</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%1 in %2 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>Zur Uhrzeit</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>%n Minute vorher</numerusform>
            <numerusform>%n Minuten vorher</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>Verspätet: Ihre Zeit kam, als Horavia nicht lief oder der Computer schlief.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>In 10 Min. erneut</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>%n Erinnerung kam, während Sie weg waren</numerusform>
            <numerusform>%n Erinnerungen kamen, während Sie weg waren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>Keine Erinnerungen. Wählen Sie „Erinnerung planen …“ bei einer Uhrzeit, um eine zu setzen.</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten …</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>Verpasst</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Zugestellt</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>Zurückgestellt</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>12-Hour</source>
        <extracomment>The time format with AM and PM</extracomment>
        <translation>12-Stunden-Format</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <extracomment>The time format from 0 to 23</extracomment>
        <translation>24-Stunden-Format</translation>
    </message>
    <message>
        <source>Yesterday / Tomorrow</source>
        <extracomment>Other days written as yesterday or tomorrow</extracomment>
        <translation>Gestern / Morgen</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>Nach Uhrzeit</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>Uhrzeit neben dem Symbol</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>Uhrzeit als Symbol</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>U&amp;hrzeit:</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>&amp;Meine Zeitzone oben anzeigen</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>In der S&amp;ystemleiste anzeigen</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>In &amp;der Taskleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>A&amp;rbeitszeit:</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>&amp;Wach:</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>Zei&amp;tunterschied zu meiner Zeit anzeigen</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>&amp;In der Systemleiste anzeigen:</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>Andere Ta&amp;ge:</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>Flaggen neben &amp;Städtenamen anzeigen</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>Z&amp;eitschritt:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>Horavia ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Eine neue Version ist verfügbar.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden. Änderungen gelten, bis Sie Horavia beenden.</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>Das Tastenkürzel für „Uhren anzeigen“ ändern</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>Planung</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Arbeitszeit von</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Arbeitszeit bis</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>Wach von</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>Wach bis</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>Updates für Horavia kommen von Ihrer Paketverwaltung.</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>Uhren anzeigen: noch keine Taste</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>Uhren anzeigen: %1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Horavia konnte nicht ändern, ob es bei der Anmeldung öffnet.

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>Diese Arbeitsumgebung zeigt jedes offene Fenster in ihrer Taskleiste; Horavia kann seine Fenster dort nicht ausblenden.</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>Eine Stadt einen Tag voraus zeigt: %1 %2</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>Um die Uhren mit der Tastatur zu öffnen, legen Sie den Befehl „%1“ in den Tastatureinstellungen Ihres Desktops auf eine Taste.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>&amp;Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>&amp;Ändern …</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>Automatisch nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>&amp;Jetzt suchen</translation>
    </message>
    <message>
        <source>S&amp;how…</source>
        <extracomment>Button: shows the waiting update</extracomment>
        <translation>&amp;Zeigen …</translation>
    </message>
</context>
<context>
    <name>TimeAnswer</name>
    <message>
        <source>No place or time zone called “%1”</source>
        <extracomment>A typed time refused; %1 the place typed</extracomment>
        <translation>Kein Ort und keine Zeitzone namens „%1“</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>Welcher Tag? „%1“ nennt keinen oder mehr als einen</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%1 gibt es am %3 in %2 nicht: Die Uhren überspringen diese Zeit</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%1 am %2 in %3 ist mehr als eine Woche entfernt</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>%1 in %2 zeigen · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>%1 am %2 in %3 zeigen</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>%1 in %2 zeigen · %3 · gelesen als %4</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>%1 am %2 in %3 zeigen, gelesen als %4</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>15 Uhr Tokio</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>Fr 9:00 in Paris</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>Zeit eingeben</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>Eine Zeit: %1, %2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>Eine Zeit eingeben, etwa %1 oder %2</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>erinnern</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>Erinnern: %1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>Dieser Link ist zu lang für einen Horavia-Link.</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>Das ist kein Horavia-Link.</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>Dieser Link hat Teile, die Horavia nicht kennt.</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>Dieser Link nennt keine Zeit.</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>Dieser Link enthält Felder, die Horavia nicht kennt.</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>Die Zeit dieses Links lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>Die Zeit dieses Links ist mehr als eine Woche entfernt.</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time</source>
        <extracomment>The strip of hours where a time is chosen</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Now, %1</source>
        <extracomment>The strip&apos;s value when it shows the current time; %1 the time</extracomment>
        <translation>Jetzt, %1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Ziehen oder mit den Pfeiltasten eine Zeit wählen; %1 geht zurück zu jetzt</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Eine neue Version von Horavia ist verfügbar.</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>Zeigen, was in dieser Version neu ist</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>Eine neue Version von Horavia ist verfügbar. Zeigen, was neu ist.</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>Neuigkeiten ansehen</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Eine neue Version von Horavia ist verfügbar.</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>Gerade wartet nichts auf die Installation.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>&amp;Installieren und neu starten</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>Wird gesucht …</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>Wird installiert …</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>Kein Installationsprogramm verfügbar.</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>Das Netzwerkmodul ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>Kein Installationsprogramm verfügbar.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Das Update konnte nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Das Update konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>Das Update konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Das Update konnte das Programm nicht ersetzen: %1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Pfad enthält „..“: %1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>Das Archiv entpackt sich auf mehr als %1 MiB.</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>Das Archiv enthält mehr als %1 Einträge.</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>Der Server antwortete mit Status %1.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>Das Update konnte nicht entpackt werden.</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>Entpacken fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>Die Adresse des Updates ist ungültig.</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>Der Server hat etwas Unerwartetes gesendet.</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>Das geladene Update war leer.</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>Der Download enthielt kein Horavia.</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>Der Download ist keine signierte Kopie dieses Programms und wurde nicht installiert.</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>Der Download ist nicht richtig signiert und wurde nicht installiert.</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>Der Download brach ab und wurde nicht verwendet.</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>Der Server brauchte zu lange, der Download wurde beendet.</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>Diese Version ist schon installiert.</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>Der Download ist nicht neuer als diese Kopie und wurde nicht installiert.</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>Diese Kopie gehört einem anderen Benutzer und kann sich nicht selbst aktualisieren.</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>Diese Kopie wurde ohne Update-Adresse gebaut und kann sich nicht selbst aktualisieren.</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Pfad ist absolut: %1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Symbolische Links sind nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Harte Links sind nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Spezialdateien sind nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>Das Update ist größer als %1 und wurde nicht geladen.</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>Die Versionshinweise sind größer als %1 und wurden nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Weltkarte, %1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>Pfeiltasten bewegen den Punkt, mit %1 um 10 Grad; %2 listet die Orte in der Nähe; %3 hebt die Auswahl auf.</translation>
    </message>
</context>
</TS>
