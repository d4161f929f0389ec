<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>Les lieux, leurs régions et leurs fuseaux horaires</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>Les contours des terres sur la carte</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>Base de données des fuseaux horaires</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>Les règles derrière chaque horloge, gérées par l’IANA</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>À propos de Horavia</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>Horavia affiche l’heure dans le monde entier. Chaque décalage et chaque changement d’heure d’été vient de la copie de la [base de données des fuseaux horaires de l’IANA](https://www.iana.org/time-zones) de votre système&#x202f;; les noms des fuseaux, les formats et les noms des pays viennent d’[Unicode CLDR](https://cldr.unicode.org) par [ICU](https://icu.unicode.org).</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>Les noms des villes, les régions, les coordonnées et les fuseaux horaires viennent de [GeoNames](https://www.geonames.org), sous licence [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), sélectionnés et modifiés. Les contours des terres sont faits avec [Natural Earth](https://www.naturalearthdata.com), qui est dans le domaine public.</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>Conçu avec [Qt](https://www.qt.io), utilisé sous la [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>Les données derrière Horavia</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© Les développeurs de Horavia</translation>
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
        <translation>© %1 Les développeurs de Horavia</translation>
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
        <translation>Événement sans titre</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>Toute la journée</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Said by a screen reader: an event&apos;s title, its start (&quot;1:00 PM&quot;) and how far off it is (&quot;in 25 minutes&quot;)</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Next event: %1</source>
        <extracomment>Said by a screen reader; %1 is the event&apos;s title, its start and how far off it is</extracomment>
        <translation>Prochain événement&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>AgendaView</name>
    <message>
        <source>No upcoming events</source>
        <extracomment>Beside the clocks, when the user&apos;s calendars have no event ahead this week</extracomment>
        <translation>Aucun événement à venir</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>Afficher les horloges à son début</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>Aujourd’hui (%n)</numerusform>
            <numerusform>Aujourd’hui (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>Événements d’aujourd’hui&#xa0;: %n</numerusform>
            <numerusform>Événements d’aujourd’hui&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>Me le rappeler…</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>Voyez vos prochains événements à côté des horloges&#xa0;: ajoutez un fichier de calendrier, un dossier de fichiers ou l’adresse d’un calendrier auquel vous abonner.</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>Ajouter &amp;un fichier…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Ajouter u&amp;n dossier…</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>&amp;S’abonner…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ret&amp;irer</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>Les &amp;événements sur toute la journée comptent comme prochain événement</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>Ajouter un fichier de calendrier</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>Calendriers (%1)</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>Ajouter un dossier de calendrier</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>S’abonner à un calendrier</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>Adresse du calendrier (https: ou webcal:)&#xa0;:</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>Impossible de s’abonner à cette adresse&#xa0;: elle doit commencer par https: ou webcal:.</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>Le dossier est introuvable.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>Seul %n fichier est lu.</numerusform>
            <numerusform>Seuls les %n premiers fichiers sont lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>Le calendrier est trop volumineux.</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>Le fichier n’est pas un calendrier.</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>Impossible de s’abonner à cette adresse.</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>Le calendrier a mis trop de temps à arriver.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>Le serveur du calendrier est injoignable.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>Le serveur du calendrier a répondu %1.</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>Le calendrier est arrivé incomplet.</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>L’adresse ne donne aucun calendrier.</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>Le calendrier n’est plus sur ce bureau.</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>Le calendrier ne peut pas être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>Les événements du calendrier ne peuvent pas être lus&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>Laissez un champ vide pour garder la valeur par défaut. Tout emoji peut être saisi ou collé dans le premier champ.</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Début des heures de travail</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Fin des heures de travail</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>Heures de travail pour %1</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>&amp;Heures de travail&#xa0;: de %1 à %2</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Aucun résultat pour «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>Vérifiez l’orthographe ou essayez une nouvelle recherche.</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>Le fichier est plus grand qu’une liste de villes ne peut l’être (%1 Ko).</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>Le fichier n’est pas du texte en UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>Le fichier n’est pas une liste de villes de Horavia.</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>Le fichier vient d’une autre version de Horavia (%1), que celle-ci ne sait pas lire.</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>Le fichier compte plus de %1 villes.</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>entrée %1&#xa0;: aucune ville</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1&#xa0;: pas une ville du catalogue</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1&#xa0;: en double</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1 – libellé %2&#xa0;: Horavia ne peut pas le reprendre</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – libellé&#xa0;: pas du texte</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1 – émoji %2&#xa0;: Horavia ne peut pas le reprendre</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – émoji&#xa0;: pas du texte</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1 – heures de travail %2&#xa0;: Horavia ne peut pas les reprendre</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – heures de travail&#xa0;: pas du texte</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>Votre fuseau horaire</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>Villes suivies</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>Cherchez ci-dessus ou cliquez sur la carte pour ajouter une ville.</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>À proximité</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>Près de %1</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>Soleil levé toute la journée</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>Soleil couché toute la journée</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>Lever %1 · Coucher %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>Aucun résultat pour «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>lever du soleil %1, coucher du soleil %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>Listes de villes Horavia (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>Exporter les villes</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>Importer des villes</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>Les villes n’ont pas pu être exportées.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>«&#x202f;%1&#x202f;» n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>«&#x202f;%1&#x202f;» n’a pas pu être importé.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>%n ville ajoutée depuis «&#x202f;%1&#x202f;».</numerusform>
            <numerusform>%n villes ajoutées depuis «&#x202f;%1&#x202f;».</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>Toutes les villes de «&#x202f;%1&#x202f;» sont déjà dans votre liste.</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>Remplacer vos noms, emoji et heures de travail par ceux du fichier&#x202f;?</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>Ils diffèrent pour %1.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>Garder les miens</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>Villes</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>Villes Horavia</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>%n entrée ignorée&#xa0;: %1.</numerusform>
            <numerusform>%n entrées ignorées&#xa0;: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>Les horloges avancent de %1 le %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>Les horloges reculent de %1 le %2</translation>
    </message>
</context>
<context>
    <name>ClockEntries</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Copy Times: home&apos;s date, then every clock on one line (&quot;Thu, Jan 15: London 8:00 PM · Tokyo 5:00 AM tomorrow&quot;)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ClockExport</name>
    <message>
        <source>“%1” is no date and time (2026-03-29T15:00, with an offset, or “9am Tokyo”)</source>
        <translation>«&#x202f;%1&#x202f;» n’est pas une date et une heure (2026-03-29T15:00, avec un décalage, ou «&#x202f;9am Tokyo&#x202f;»)</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>votre fuseau horaire</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>jour</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>crépuscule</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>obscurité</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>dans votre liste</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Earlier</source>
        <extracomment>A step of time back on the strip</extracomment>
        <translation>Plus tôt</translation>
    </message>
    <message>
        <source>An Hour Earlier</source>
        <extracomment>Moves the chosen time one hour back</extracomment>
        <translation>Une heure plus tôt</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>Une heure plus tard</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>Un jour plus tôt</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>Un jour plus tard</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>Aller au prochain moment où tout le monde est dans ses heures de travail (%1)</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>Afficher &amp;les horloges</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>Choisir des &amp;villes…</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>P&amp;aramètres…</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>&amp;À propos de Horavia</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Rechercher &amp;des mises à jour…</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>&amp;Quitter Horavia</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>P&amp;rochain créneau commun</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>Copier les &amp;heures</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>&amp;Copier le lien</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>Créer &amp;un événement…</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>Une &amp;nouvelle version est disponible</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>&amp;Prochain événement</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>&amp;Me le rappeler…</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>Rappel&amp;s…</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>heures de travail</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>hors des heures de travail</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>nuit</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>Afficher les horloges</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>Le chemin de l’application ne peut pas être écrit dans une entrée de démarrage automatique.</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>Le dossier %1 n’a pas pu être créé, ou d’autres peuvent le modifier.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>Effacer la sélection</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>Villes</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>Rechercher des villes et des fuseaux horaires</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>Changer l’ordre des villes</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>Heures de travail…</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>Réinitialiser le nom et l’emoji</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>Copier l’heure</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>Afficher dans la zone de notification</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>%1 retirée.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>&amp;Exporter les villes…</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>&amp;Importer des villes…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>&amp;Fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>Horloges</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>Aucune ville pour l’instant</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>Personne ne travaille dans les 7 prochains jours.</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>Aucun créneau commun complet dans les 7 prochains jours&#x202f;; à cette heure, hors des heures de travail&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Revenir à l’heure actuelle (%1)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>unexpected %1</source>
        <extracomment>Command line error; %1 an argument given</extracomment>
        <translation>inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>--print takes text, line, json or waybar, not %1</source>
        <extracomment>Command line error; keep the option and format names; %1 the format given</extracomment>
        <translation>--print accepte text, line, json ou waybar, pas %1</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>«&#x202f;%1&#x202f;» désigne plus d’un fuseau&#xa0;: %2. Nommez plutôt la ville</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>--follow suit l’heure actuelle&#x202f;; il n’accepte pas --at</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>Essayez «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city&#xa0;: le catalogue n’a aucune ville d’ID %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>option inconnue&#x202f;: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>%1 ne prend pas de valeur</translation>
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
        <translation>Utilisation&#xa0;: horavia [--toggle]
              horavia [--print[=text|line|json|waybar]] [--at HEURE]
                      [--city ID] [--follow]

  --toggle         ouvre le panneau de Horavia en cours d’exécution, ou le
                   ferme&#x202f;; lance Horavia avec le panneau ouvert s’il ne tourne
                   pas. Associez-le à une touche dans les paramètres du clavier
                   de votre bureau.

Avec --print, affiche l’heure de votre fuseau et de chaque ville suivie, puis se
termine. Il lit vos paramètres, n’a besoin d’aucun écran et laisse tranquille un
Horavia en cours d’exécution.

  --print          une ligne par horloge&#xa0;: titre, heure, et le jour s’il diffère
  --print=line     toutes les horloges sur une ligne, pour polybar et i3blocks
  --print=json     un tableau JSON&#xa0;: id, title, zone, utcOffset (secondes),
                   localTime (ISO 8601 avec décalage) et dayOffset de chaque
                   horloge
                   avec les prochains rappels, à leur heure dans son fuseau
  --print=waybar   un objet JSON par ligne pour waybar&#xa0;: text, tooltip, class
                   (sûr pour le balisage&#xa0;: «&#x202f;&amp;&#x202f;», «&#x202f;&lt;&#x202f;» et «&#x202f;&gt;&#x202f;» en entités)
  --at HEURE       les horloges à un autre instant&#xa0;: ISO 8601 avec décalage ou Z
                   (2026-03-29T15:00Z), ou une date et une heure de votre fuseau
                   (2026-03-29T15:00). Une heure sautée est une erreur, une
                   heure répétée vaut sa première occurrence. Ou comme on
                   l’écrit&#xa0;: «&#x202f;9am Tokyo&#x202f;», «&#x202f;Fri 14:00 in New York&#x202f;»,
                   «&#x202f;3pm PST&#x202f;» (à toute date&#x202f;; une abréviation vaut son fuseau&#xa0;:
                   EST en juillet se lit EDT).
  --city ID        le texte de waybar montre cette ville (un id du catalogue) au
                   lieu de votre fuseau
  --follow         réaffiche à chaque minute ronde et quand les paramètres
                   changent, jusqu’au départ du lecteur
  -h, --help       ce texte
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
        <translation>Me le rappeler</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>Modifier le rappel</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>L’heure dans vos villes</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>Mon propre fuseau horaire (me suit)</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>Heure de %1</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>&amp;Suivre l’heure de&#x202f;:</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>&amp;Rappeler&#x202f;:</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of a reminder&apos;s note</extracomment>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note&#x202f;:</translation>
    </message>
    <message>
        <source>That time has passed. Choose a later time or a shorter lead.</source>
        <translation>Cette heure est passée. Choisissez une heure plus tardive ou une avance plus courte.</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>Les rappels arrivent tant que Horavia tourne. Un ordinateur en veille n’est pas réveillé pour eux&#x202f;: ils arrivent à son réveil, marqués en retard.</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%1 à %2 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>À l’heure dite</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>%n minute avant</numerusform>
            <numerusform>%n minutes avant</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>En retard&#x202f;: son heure est venue quand Horavia ne tournait pas ou que l’ordinateur était en veille.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>Répéter dans 10&#xa0;min</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>%n rappel est arrivé pendant votre absence</numerusform>
            <numerusform>%n rappels sont arrivés pendant votre absence</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>Aucun rappel. Choisissez «&#x202f;Me le rappeler…&#x202f;» sur une heure pour en créer un.</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>Répété plus tard</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>Comme le système</translation>
    </message>
    <message>
        <source>12-Hour</source>
        <extracomment>The time format with AM and PM</extracomment>
        <translation>Format 12 h</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <extracomment>The time format from 0 to 23</extracomment>
        <translation>Format 24 h</translation>
    </message>
    <message>
        <source>Yesterday / Tomorrow</source>
        <extracomment>Other days written as yesterday or tomorrow</extracomment>
        <translation>Hier / Demain</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>Par heure</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>Alphabétique</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>Heure à côté de l’icône</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>Heure comme icône</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>&amp;Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>Afficher mon &amp;fuseau horaire en haut</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>Afficher dans la &amp;zone de notification</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>Afficher dans la &amp;barre des tâches</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>Heures de &amp;travail&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>Heures &amp;d’éveil&#xa0;:</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>Afficher le décalage avec &amp;mon heure</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>Dans la zone de notifi&amp;cation, afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>Autres &amp;jours&#xa0;:</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>Afficher &amp;les drapeaux à côté des villes</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>&amp;Pas de temps&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>Horavia est à jour.</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Une nouvelle version est disponible.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>Vos paramètres n’ont pas pu être enregistrés. Les changements s’appliquent jusqu’à ce que vous quittiez Horavia.</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>Modifier le raccourci «&#x202f;Afficher les horloges&#x202f;»</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>Planification</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Début des heures de travail</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Fin des heures de travail</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>Début des heures d’éveil</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>Fin des heures d’éveil</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>Les mises à jour de Horavia viennent de votre gestionnaire de paquets.</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>Afficher les horloges&#xa0;: aucune touche</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>Afficher les horloges&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Horavia n’a pas pu changer son ouverture à la connexion.

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>Ce bureau affiche chaque fenêtre ouverte dans sa barre des tâches&#x202f;; Horavia ne peut pas en retirer ses fenêtres.</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>Une ville en avance d’un jour affiche&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>Pour ouvrir les horloges au clavier, associez la commande «&#x202f;%1&#x202f;» à une touche dans les paramètres du clavier de votre bureau.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>Ouvrir &amp;à la connexion</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>M&amp;odifier…</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>&amp;Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>R&amp;echercher</translation>
    </message>
    <message>
        <source>S&amp;how…</source>
        <extracomment>Button: shows the waiting update</extracomment>
        <translation>&amp;Afficher…</translation>
    </message>
</context>
<context>
    <name>TimeAnswer</name>
    <message>
        <source>No place or time zone called “%1”</source>
        <extracomment>A typed time refused; %1 the place typed</extracomment>
        <translation>Aucun lieu ni fuseau horaire nommé «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>Quel jour&#x202f;? «&#x202f;%1&#x202f;» n’en désigne aucun, ou plusieurs</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%1 n’existe pas à %2 le %3&#xa0;: les horloges sautent cette heure</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%1 le %2 à %3 est à plus d’une semaine</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>Afficher %1 à %2 · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>Afficher %1 le %2 à %3</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>Afficher %1 à %2 · %3 · lu comme %4</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>Afficher %1 le %2 à %3, lu comme %4</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>15h Tokyo</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>ven. 9h à Paris</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>Saisir une heure</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>Une heure&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>Saisissez une heure, comme %1 ou %2</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>rappel</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>Rappel&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>Ce lien est trop long pour être un lien Horavia.</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>Ce n’est pas un lien Horavia.</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>Ce lien a des parties que Horavia ne connaît pas.</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>Ce lien ne donne aucune heure.</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>Ce lien contient des champs que Horavia ne connaît pas.</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>L’heure de ce lien ne peut pas être lue.</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>L’heure de ce lien est à plus d’une semaine.</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time</source>
        <extracomment>The strip of hours where a time is chosen</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Now, %1</source>
        <extracomment>The strip&apos;s value when it shows the current time; %1 the time</extracomment>
        <translation>Maintenant, %1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Faites glisser ou utilisez les flèches pour choisir une heure&#x202f;; %1 revient à maintenant</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Une nouvelle version de Horavia est disponible.</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>Voir les nouveautés de cette version</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>Une nouvelle version de Horavia est disponible. Voir les nouveautés.</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>Voir les nouveautés</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Une nouvelle version de Horavia est disponible.</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>Rien n’attend d’être installé pour l’instant.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>&amp;Installer et relancer</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>Installation…</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>Aucun installateur n’est disponible.</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>Le module réseau n’est pas disponible.</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>Aucun installateur n’est disponible.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>La mise à jour n’a pas pu être préparée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>La mise à jour n’a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>La mise à jour n’a pas pu être préparée.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>La mise à jour n’a pas pu remplacer l’application&#xa0;: %1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Le chemin contient «&#x202f;..&#x202f;»&#xa0;: %1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>L’archive dépasse %1 Mio une fois décompressée.</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>L’archive contient plus de %1 entrées.</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>Le serveur a répondu avec le code %1.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>La mise à jour n’a pas pu être décompressée.</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>Échec de la décompression&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>L’adresse de la mise à jour n’est pas valide.</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>Le serveur a envoyé une réponse inattendue.</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>La mise à jour téléchargée était vide.</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>Le téléchargement ne contenait pas Horavia.</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>Le téléchargement n’est pas une copie signée de cette application&#x202f;; il n’a pas été installé.</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>Le téléchargement n’est pas correctement signé&#x202f;; il n’a pas été installé.</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>Le téléchargement a été interrompu&#x202f;; il n’a pas été utilisé.</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>Le serveur a mis trop de temps&#x202f;; le téléchargement a été arrêté.</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>Cette version est déjà installée.</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>Le téléchargement n’est pas plus récent que cette copie&#x202f;; il n’a pas été installé.</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>Cette copie appartient à un autre utilisateur&#x202f;; elle ne peut pas se mettre à jour.</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>Cette copie a été compilée sans adresse de mise à jour&#x202f;; elle ne peut pas se mettre à jour.</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Le chemin est absolu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Les liens symboliques ne sont pas autorisés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Les liens physiques ne sont pas autorisés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Les fichiers spéciaux ne sont pas autorisés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>La mise à jour dépasse %1&#x202f;; elle n’a pas été téléchargée.</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>Les notes de version dépassent %1&#x202f;; elles n’ont pas été lues.</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Carte du monde, %1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>Les flèches déplacent le point, %1 par 10 degrés&#x202f;; %2 liste les lieux proches&#x202f;; %3 efface la sélection.</translation>
    </message>
</context>
</TS>
