<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>המקומות, האזורים שלהם ואזורי הזמן שלהם</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>קווי המתאר של היבשה במפה</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>מסד הנתונים של אזורי הזמן</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>הכללים שמאחורי כל שעון, בתחזוקת IANA</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>על אודות Horavia</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>Horavia מציג את השעה ברחבי העולם. כל הפרש וכל מעבר לשעון קיץ מגיעים מהעותק שבמערכת שלכם של [מסד הנתונים של אזורי הזמן של IANA](https://www.iana.org/time-zones); שמות אזורי הזמן, התבניות ושמות המדינות מגיעים מ־[Unicode CLDR](https://cldr.unicode.org) דרך [ICU](https://icu.unicode.org).</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>שמות הערים, האזורים, הקואורדינטות ואזורי הזמן הם מ־[GeoNames](https://www.geonames.org), ברישיון [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), נבחרו ושונו. קווי המתאר של היבשה נעשו בעזרת [Natural Earth](https://www.naturalearthdata.com), שנמצא בנחלת הכלל.</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>נבנה בעזרת [Qt](https://www.qt.io), בשימוש לפי [GNU LGPL גרסה 3](https://www.gnu.org/licenses/lgpl-3.0.html).</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>הנתונים שמאחורי Horavia</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© המפתחים של Horavia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>גרסה %1 (%2)</translation>
    </message>
    <message>
        <source>© %1 The Horavia developers</source>
        <extracomment>%1 the year</extracomment>
        <translation>© %1 המפתחים של Horavia</translation>
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
        <translation>אירוע ללא כותרת</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>כל היום</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>עכשיו</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Said by a screen reader: an event&apos;s title, its start (&quot;1:00 PM&quot;) and how far off it is (&quot;in 25 minutes&quot;)</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Next event: %1</source>
        <extracomment>Said by a screen reader; %1 is the event&apos;s title, its start and how far off it is</extracomment>
        <translation>האירוע הבא: %1</translation>
    </message>
</context>
<context>
    <name>AgendaView</name>
    <message>
        <source>No upcoming events</source>
        <extracomment>Beside the clocks, when the user&apos;s calendars have no event ahead this week</extracomment>
        <translation>אין אירועים קרובים</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>הצגת השעונים בזמן תחילתו</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>היום (%n)</numerusform>
            <numerusform>היום (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>אירועי היום: %n</numerusform>
            <numerusform>אירועי היום: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>הזכירו לי…</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>לוחות שנה</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>הציגו את האירועים הבאים שלכם ליד השעונים: הוסיפו קובץ לוח שנה, תיקייה של קבצים כאלה או כתובת של לוח שנה למינוי.</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>הוספת &amp;קובץ…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>הוס&amp;פת תיקייה…</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>מ&amp;ינוי…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>ה&amp;סרה</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>אירועים של יום שלם נחשבים &amp;כאירוע הבא</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>הוספת קובץ לוח שנה</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>לוחות שנה (%1)</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>הוספת תיקיית לוח שנה</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>מינוי ללוח שנה</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>כתובת לוח השנה (https: או webcal:):</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>אי אפשר להירשם לכתובת הזו: היא צריכה להתחיל ב־https: או ב־webcal:.</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>התיקייה לא קיימת.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>רק הקובץ הראשון נקרא.</numerusform>
            <numerusform>רק %n הקבצים הראשונים נקראים.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>אי אפשר לקרוא את הקובץ.</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>לוח השנה גדול מדי.</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>הקובץ אינו לוח שנה.</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>אי אפשר להירשם לכתובת הזו.</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>לוח השנה התעכב יותר מדי.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>אין גישה לשרת של לוח השנה.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>השרת של לוח השנה ענה %1.</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>לוח השנה הגיע חלקי.</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>בכתובת הזו אין לוח שנה.</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>לוח השנה כבר לא נמצא בשולחן העבודה הזה.</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>אי אפשר לפתוח את לוח השנה: %1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>אי אפשר לקרוא את האירועים של לוח השנה: %1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>שינוי השם של %1</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>אמוג׳י</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>שם</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>השאירו שדה ריק כדי להשתמש בברירת המחדל. אפשר להקליד או להדביק כל אמוג׳י בשדה הראשון.</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>שעות עבודה מ־</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>שעות עבודה עד</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>שעות העבודה של %1</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>&amp;שעות עבודה: %1 עד %2</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;איפוס</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ש&amp;מירה</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>אין תוצאות</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>אין תוצאות עבור “%1”</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>כדאי לבדוק את האיות או לנסות חיפוש חדש.</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>הקובץ גדול ממה שרשימת ערים יכולה להיות (%1 ק״ב).</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>הקובץ אינו טקסט ב־UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>הקובץ אינו רשימת ערים של Horavia.</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>הקובץ הוא מגרסה אחרת של Horavia ‏(%1), שגרסה זו אינה יכולה לקרוא.</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>הקובץ מונה יותר מ־%1 ערים.</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>פריט %1: אין עיר</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1: לא עיר מהקטלוג</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1: מופיעה פעמיים</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1, התווית %2: ‏Horavia לא יכול לקבל אותה</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1, התווית: אינה טקסט</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1, האמוג׳י %2: ‏Horavia לא יכול לקבל אותו</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1, האמוג׳י: אינו טקסט</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1, שעות העבודה %2: ‏Horavia לא יכול לקבל אותן</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1, שעות העבודה: אינן טקסט</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>אזור הזמן שלכם</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>הערים שאחריהן אתם עוקבים</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>חפשו למעלה או לחצו על המפה כדי להוסיף עיר.</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>תוצאות</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>בקרבת מקום</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>ליד %1</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>השמש זורחת כל היום</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>השמש שוקעת כל היום</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>זריחה %1 · שקיעה %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>אין תוצאות עבור “%1”</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>זריחה %1, שקיעה %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>רשימות ערים של Horavia (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>עוד %n</numerusform>
            <numerusform>עוד %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>ייצוא ערים</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>ייבוא ערים</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>לא ניתן היה לייצא את הערים.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>לא ניתן היה לקרוא את “%1”.</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>לא ניתן היה לייבא את “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>נוספה עיר אחת מתוך “%1”.</numerusform>
            <numerusform>נוספו %n ערים מתוך “%1”.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>כל הערים ב־“%1” כבר ברשימה שלכם.</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>להחליף את השמות, האמוג׳י ושעות העבודה שלכם באלה שבקובץ?</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>הם שונים עבור %1.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>להשאיר את שלי</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>ערים</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>ערים של Horavia</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>דולגה רשומה אחת: %1.</numerusform>
            <numerusform>דולגו %n רשומות: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>השעונים יוזזו קדימה ב־%1 ב־%2</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>השעונים יוזזו אחורה ב־%1 ב־%2</translation>
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
        <translation>“%1” אינו תאריך ושעה (2026-03-29T15:00 עם הפרש, או “9am Tokyo”)</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>אזור הזמן שלכם</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>אור יום</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>דמדומים</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>חשכה</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>ברשימה שלכם</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Earlier</source>
        <extracomment>A step of time back on the strip</extracomment>
        <translation>מוקדם יותר</translation>
    </message>
    <message>
        <source>An Hour Earlier</source>
        <extracomment>Moves the chosen time one hour back</extracomment>
        <translation>שעה אחת מוקדם יותר</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>שעה אחת מאוחר יותר</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>יום אחד מוקדם יותר</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>יום אחד מאוחר יותר</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>עכשיו</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>מאוחר יותר</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>מעבר לזמן הבא שבו כולם בשעות העבודה (%1)</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>&amp;הצגת השעונים</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>&amp;בחירת ערים…</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>ה&amp;גדרות…</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>על &amp;אודות Horavia</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>ב&amp;דיקת עדכונים…</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>יציאה &amp;מ־Horavia</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>הח&amp;פיפה הבאה</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>הע&amp;תקת השעות</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>העתקת &amp;קישור</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>י&amp;צירת אירוע…</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>גרסה &amp;חדשה זמינה</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>האי&amp;רוע הבא</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>הז&amp;כירו לי…</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>ת&amp;זכורות…</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>שעות עבודה</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>מחוץ לשעות העבודה</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>לילה</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>הצגת השעונים</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>לא ניתן לכתוב את הנתיב של היישום ברשומת הפעלה אוטומטית.</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>לא ניתן היה ליצור את התיקייה %1, או שאחרים יכולים לשנות אותה.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>ניקוי הבחירה</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>ערים</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>חיפוש ערים ואזורי זמן</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>ניקוי החיפוש</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>סדר</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>שינוי סדר הצגת הערים</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>שעות עבודה…</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>איפוס השם והאמוג׳י</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>העתקת השעה</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>הזזה למעלה</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>הזזה למטה</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>הצגה במגש</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>%1 הוסרה.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>שינוי שם…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>הסרת %1</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>ייצוא &amp;ערים…</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>&amp;ייבוא ערים…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>&amp;סגירת החלון</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול פעולה</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>שעונים</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>עדיין אין ערים</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>אף אחד לא עובד בשבעת הימים הבאים.</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>אין חפיפה מלאה בשבעת הימים הבאים; בשעה זו, מחוץ לשעות העבודה: %1.</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>עכשיו</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>חזרה לשעה הנוכחית (%1)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>unexpected %1</source>
        <extracomment>Command line error; %1 an argument given</extracomment>
        <translation>לא צפוי: %1</translation>
    </message>
    <message>
        <source>--print takes text, line, json or waybar, not %1</source>
        <extracomment>Command line error; keep the option and format names; %1 the format given</extracomment>
        <translation>‏--print מקבל text,‏ line,‏ json או waybar, לא %1</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>“%1” מציין יותר מאזור זמן אחד: %2. ציינו את העיר במקום</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>‏--follow עוקב אחרי השעה הנוכחית; אינו מקבל --at</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>אפשר לנסות “%1”.</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city: אין בקטלוג עיר עם המזהה %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>אפשרות לא מוכרת: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>%1 דורש ערך</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>%1 אינו מקבל ערך</translation>
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
        <translation>שימוש: horavia [--toggle]
       horavia [--print[=text|line|json|waybar]] [--at TIME]
               [--city ID] [--follow]

  --toggle         פותח את החלונית של Horavia הפועל, או סוגר אותה; מפעיל את
                   Horavia עם החלונית פתוחה אם אינו פועל. קשרו אותו למקש בהגדרות
                   המקלדת של שולחן העבודה.

עם --print, מדפיס את השעה באזור הזמן שלכם ובכל עיר שאחריה אתם עוקבים, ויוצא.
קורא את ההגדרות שלכם, אינו צריך מסך ואינו נוגע ב־Horavia הפועל.

  --print          שורה לכל שעון: כותרת, שעה, והיום כשהוא שונה
  --print=line     כל השעונים בשורה אחת, עבור polybar ו־i3blocks
  --print=json     מערך JSON: ‏id,‏ title,‏ zone,‏ utcOffset (שניות), localTime
                   ‏(ISO 8601 עם הפרש) ו־dayOffset של כל שעון
                   עם התזכורות הבאות בשעתן באזור הזמן של השעון
  --print=waybar   אובייקט JSON לכל שורה עבור waybar: ‏text,‏ tooltip,‏ class
                   (בטוח לתגיות: “&amp;”, “&lt;” ו־“&gt;” כישויות)
  --at TIME        השעונים ברגע אחר: ISO 8601 עם הפרש או Z (2026-03-29T15:00Z),
                   או תאריך ושעה באזור הזמן שלכם (2026-03-29T15:00). שעה
                   שהשעונים מדלגים עליה היא שגיאה, ושעה שחוזרת נלקחת בפעם
                   הראשונה. או כפי שכותבים: “9am Tokyo”,
                   “Fri 14:00 in New York”, “3pm PST” (בכל תאריך; קיצור מציין את
                   אזור הזמן שלו, ולכן EST ביולי נקרא EDT).
  --city ID        הטקסט של waybar מציג עיר זו (מזהה מהקטלוג) במקום אזור הזמן
                   שלכם
  --follow         מדפיס שוב בכל תחילת דקה וכשההגדרות משתנות, עד שהקורא עוזב
  -h, --help       טקסט זה
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
        <translation>הזכירו לי</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>עריכת תזכורת</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>השעה בערים שלכם</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>אזור הזמן שלי (עוקב אחריי)</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>שעון %1</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>&amp;לפי השעה של:</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>&amp;תזכורת:</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of a reminder&apos;s note</extracomment>
        <translation>רשות</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;הערה:</translation>
    </message>
    <message>
        <source>That time has passed. Choose a later time or a shorter lead.</source>
        <translation>השעה הזו עברה. בחרו שעה מאוחרת יותר או הקדמה קצרה יותר.</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>תזכורות מגיעות כש־Horavia פועל. מחשב במצב שינה לא יתעורר בשבילן: הן יגיעו כשיתעורר, מסומנות כמאוחרות.</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%1 ב%2 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>בזמן</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>דקה לפני</numerusform>
            <numerusform>%n דקות לפני</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Reminder</source>
        <translation>תזכורת</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>באיחור: זמנה הגיע כש־Horavia לא פעל או כשהמחשב היה במצב שינה.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>הצגה</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>נודניק 10 דק׳</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>תזכורת אחת הגיעה בהיעדרכם</numerusform>
            <numerusform>%n תזכורות הגיעו בהיעדרכם</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>תזכורות</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>אין תזכורות. בחרו „הזכירו לי…” על שעה כדי להוסיף.</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;עריכה…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;מחיקה</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>הוחמצה</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>נמסרה</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>נדחתה</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>תזכורת</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>כמו המערכת</translation>
    </message>
    <message>
        <source>12-Hour</source>
        <extracomment>The time format with AM and PM</extracomment>
        <translation>תצוגת 12 שעות</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <extracomment>The time format from 0 to 23</extracomment>
        <translation>תצוגת 24 שעות</translation>
    </message>
    <message>
        <source>Yesterday / Tomorrow</source>
        <extracomment>Other days written as yesterday or tomorrow</extracomment>
        <translation>אתמול / מחר</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>לפי שעה</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>לפי האלף־בית</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>מותאם אישית</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>סמל</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>השעה ליד הסמל</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>השעה כסמל</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>ש&amp;עה:</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>הצגת אזור הזמן &amp;שלי למעלה</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>ה&amp;צגה במגש המערכת</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>הצגה בש&amp;ורת המשימות</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>שעו&amp;ת עבודה:</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>ע&amp;רוּת:</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>הצגת ההפרש &amp;מהשעה שלי</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>במ&amp;גש, להציג:</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>ימים &amp;אחרים:</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>הצגת דגלים &amp;ליד שמות הערים</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>צעד &amp;זמן:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>Horavia מעודכן.</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>גרסה חדשה זמינה.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>לא ניתן היה לשמור את ההגדרות שלכם. השינויים חלים עד שתצאו מ־Horavia.</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>תבנית</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>מראה</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>שינוי קיצור הדרך להצגת השעונים</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>תכנון</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>שעות עבודה מ־</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>שעות עבודה עד</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>ערוּת מ־</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>ערוּת עד</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>דקה אחת</numerusform>
            <numerusform>%n דקות</numerusform>
        </translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>צעד זמן</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>עדכונים</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>עדכונים ל־Horavia מגיעים ממנהל החבילות שלכם.</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>הצגת השעונים: אין עדיין מקש</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>הצגת השעונים: %1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>פתיחה בכניסה למערכת</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>‏Horavia לא הצליח לשנות אם הוא נפתח בכניסה למערכת.

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>שולחן העבודה הזה מציג כל חלון פתוח בשורת המשימות; Horavia לא יכול להוציא ממנה את החלונות שלו.</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>עיר שמקדימה ביום מוצגת כך: %1 %2</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>כדי לפתוח את השעונים מהמקלדת, קשרו את הפקודה “%1” למקש בהגדרות המקלדת של שולחן העבודה.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>%1 עד %2</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>פתי&amp;חה בכניסה למערכת</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>שי&amp;נוי…</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>&amp;בדיקת עדכונים אוטומטית</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>ב&amp;דיקה עכשיו</translation>
    </message>
    <message>
        <source>S&amp;how…</source>
        <extracomment>Button: shows the waiting update</extracomment>
        <translation>&amp;הצגה…</translation>
    </message>
</context>
<context>
    <name>TimeAnswer</name>
    <message>
        <source>No place or time zone called “%1”</source>
        <extracomment>A typed time refused; %1 the place typed</extracomment>
        <translation>אין מקום או אזור זמן בשם “%1”</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>איזה יום? “%1” לא מציין אף יום, או מציין יותר מאחד</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%1 לא קיימת ב־%2 ב־%3: השעונים מדלגים עליה</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%1 ב־%2 ב־%3 רחוקה יותר משבוע מעכשיו</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>הצגת %1 ב־%2 · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>הצגת %1 ב־%2 ב־%3</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>הצגת %1 ב־%2 · %3 · נקרא כ־%4</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>הצגת %1 ב־%2 ב־%3, נקרא כ־%4</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>15:00 טוקיו</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>יום ו׳ 9:00 בפריז</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>הקלדת שעה</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>שעה: %1, %2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>הקלידו שעה, כמו %1 או %2</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>תזכורת</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>תזכורת: %1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>הקישור הזה ארוך מכדי להיות קישור של Horavia.</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>זה אינו קישור של Horavia.</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>בקישור הזה יש חלקים ש־Horavia אינו מכיר.</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>הקישור הזה לא מציין שעה.</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>בקישור הזה יש שדות ש־Horavia אינו מכיר.</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>לא ניתן לקרוא את השעה בקישור הזה.</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>השעה בקישור הזה רחוקה יותר משבוע מעכשיו.</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time</source>
        <extracomment>The strip of hours where a time is chosen</extracomment>
        <translation>שעה</translation>
    </message>
    <message>
        <source>Now, %1</source>
        <extracomment>The strip&apos;s value when it shows the current time; %1 the time</extracomment>
        <translation>עכשיו, %1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>גררו או השתמשו במקשי החצים כדי לבחור שעה; %1 חוזר לעכשיו</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>גרסה חדשה של Horavia זמינה.</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>הצגת החידושים בגרסה זו</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>גרסה חדשה של Horavia זמינה. הצגת החידושים.</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>מה חדש</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>עדכון תוכנה</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>גרסה חדשה של Horavia זמינה.</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>אין כרגע דבר שממתין להתקנה.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>&amp;לא עכשיו</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>&amp;התקנה והפעלה מחדש</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>בבדיקה…</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>בהורדה…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>בהתקנה…</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>אין תוכנית התקנה זמינה.</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>מודול הרשת אינו זמין.</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>אין תוכנית התקנה זמינה.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>לא ניתן היה להכין את העדכון: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>לא ניתן היה לשמור את העדכון: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>לא ניתן היה להכין את העדכון.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>העדכון לא הצליח להחליף את היישום: %1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>הנתיב מכיל “..”: %1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>הארכיון נפרס ליותר מ־%1 MiB.</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>הארכיון מכיל יותר מ־%1 פריטים.</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>השרת החזיר מצב %1.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>לא ניתן היה לפרוס את העדכון.</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>הפריסה נכשלה: %1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>כתובת העדכון אינה תקינה.</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>השרת שלח משהו לא צפוי.</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>העדכון שהורד היה ריק.</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>ההורדה לא הכילה את Horavia.</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>ההורדה אינה עותק חתום של היישום הזה, ולכן לא הותקנה.</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>ההורדה אינה חתומה כראוי, ולכן לא הותקנה.</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>ההורדה נקטעה, ולכן לא נעשה בה שימוש.</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>השרת התעכב יותר מדי, ולכן ההורדה נעצרה.</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>גרסה זו כבר מותקנת.</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>ההורדה אינה חדשה מהעותק הזה, ולכן לא הותקנה.</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>העותק הזה שייך למשתמש אחר, ולכן אינו יכול לעדכן את עצמו.</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>העותק הזה נבנה בלי כתובת עדכון, ולכן אינו יכול לעדכן את עצמו.</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>הנתיב מוחלט: %1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>קישורים סימבוליים אינם מותרים: %1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>קישורים קשיחים אינם מותרים: %1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>קבצים מיוחדים אינם מותרים: %1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>העדכון גדול מ־%1, ולכן לא הורד.</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>הערות הגרסה גדולות מ־%1, ולכן לא נקראו.</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>מפת העולם</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>מפת העולם, %1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>מקשי החצים מזיזים את הנקודה, עם %1 ב־10 מעלות; %2 מציג את המקומות הקרובים; %3 מנקה את הבחירה.</translation>
    </message>
</context>
</TS>
