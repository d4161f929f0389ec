<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>الأماكن ومناطقها ومناطقها الزمنية</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>حدود اليابسة على الخريطة</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>قاعدة بيانات المناطق الزمنية</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>القواعد وراء كل ساعة، تحفظها IANA</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>حول Horavia</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>يعرض Horavia الوقت حول العالم. كل فرق توقيت وكل تغيير للتوقيت الصيفي يأتي من نسخة نظامك من [قاعدة بيانات المناطق الزمنية لدى IANA](https://www.iana.org/time-zones)؛ وتأتي أسماء المناطق والتنسيقات وأسماء البلدان من [Unicode CLDR](https://cldr.unicode.org) عبر [ICU](https://icu.unicode.org).</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>أسماء المدن والمناطق والإحداثيات والمناطق الزمنية من [GeoNames](https://www.geonames.org)، بترخيص [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/)، مختارة ومعدّلة. حدود اليابسة مصنوعة من [Natural Earth](https://www.naturalearthdata.com)، وهي في الملك العام.</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>مبني باستخدام [Qt](https://www.qt.io)، المستخدمة بموجب [رخصة GNU LGPL الإصدار 3](https://www.gnu.org/licenses/lgpl-3.0.html).</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>البيانات وراء Horavia</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© مطورو Horavia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>الإصدار %1 (%2)</translation>
    </message>
    <message>
        <source>© %1 The Horavia developers</source>
        <extracomment>%1 the year</extracomment>
        <translation>© %1 مطورو Horavia</translation>
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
        <translation>حدث بلا عنوان</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>طوال اليوم</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>الآن</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Said by a screen reader: an event&apos;s title, its start (&quot;1:00 PM&quot;) and how far off it is (&quot;in 25 minutes&quot;)</extracomment>
        <translation>%1، %2، %3</translation>
    </message>
    <message>
        <source>Next event: %1</source>
        <extracomment>Said by a screen reader; %1 is the event&apos;s title, its start and how far off it is</extracomment>
        <translation>الحدث التالي: %1</translation>
    </message>
</context>
<context>
    <name>AgendaView</name>
    <message>
        <source>No upcoming events</source>
        <extracomment>Beside the clocks, when the user&apos;s calendars have no event ahead this week</extracomment>
        <translation>لا أحداث قادمة</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>عرض الساعات عند بدايته</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>اليوم (%n)</numerusform>
            <numerusform>اليوم (%n)</numerusform>
            <numerusform>اليوم (%n)</numerusform>
            <numerusform>اليوم (%n)</numerusform>
            <numerusform>اليوم (%n)</numerusform>
            <numerusform>اليوم (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>أحداث اليوم: %n</numerusform>
            <numerusform>أحداث اليوم: %n</numerusform>
            <numerusform>أحداث اليوم: %n</numerusform>
            <numerusform>أحداث اليوم: %n</numerusform>
            <numerusform>أحداث اليوم: %n</numerusform>
            <numerusform>أحداث اليوم: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>ذكّرني…</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>التقويمات</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>اعرض أحداثك القادمة بجانب الساعات: أضف ملف تقويم أو مجلدًا منها أو عنوان تقويم للاشتراك فيه.</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>&amp;إضافة ملف…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>إضاف&amp;ة مجلد…</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>ا&amp;شتراك…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>تُ&amp;حتسب أحداث اليوم الكامل حدثًا تاليًا</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>إضافة ملف تقويم</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>التقويمات (%1)</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>إضافة مجلد تقويم</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>الاشتراك في تقويم</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>عنوان التقويم (https: أو webcal:):</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>لا يمكن الاشتراك في هذا العنوان: يجب أن يبدأ بـ https: أو webcal:.</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>المجلد غير موجود.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>لا يُقرأ أي ملف.</numerusform>
            <numerusform>يُقرأ الملف الأول فقط.</numerusform>
            <numerusform>يُقرأ أول ملفين فقط.</numerusform>
            <numerusform>تُقرأ أول %n ملفات فقط.</numerusform>
            <numerusform>يُقرأ أول %n ملفًا فقط.</numerusform>
            <numerusform>يُقرأ أول %n ملف فقط.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>تتعذر قراءة الملف.</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>التقويم كبير جدًا.</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>الملف ليس تقويمًا.</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>لا يمكن الاشتراك في هذا العنوان.</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>استغرق وصول التقويم وقتًا طويلًا جدًا.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>يتعذر الوصول إلى خادم التقويم.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>أجاب خادم التقويم بالرمز %1.</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>وصل التقويم ناقصًا.</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>لا يقدّم العنوان أي تقويم.</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>لم يعد التقويم على سطح المكتب هذا.</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>يتعذر فتح التقويم: %1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>تتعذر قراءة أحداث التقويم: %1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>إعادة تسمية %1</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>الرمز التعبيري</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>اترك أي حقل فارغًا لاستخدام القيمة الافتراضية. يمكن كتابة أي رمز تعبيري أو لصقه في الحقل الأول.</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>ساعات العمل من</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>ساعات العمل إلى</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>ساعات العمل في %1</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>&amp;ساعات العمل: من %1 إلى %2</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;صفّر</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ألغِ</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;احفظ</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>لا نتائج</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>لا نتائج لـ «%1»</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>تحقق من الإملاء أو جرّب بحثًا جديدًا.</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>الملف أكبر مما يمكن أن تكون عليه قائمة مدن (%1 ك.بايت).</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>الملف ليس نصًا بترميز UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>الملف ليس قائمة مدن من Horavia.</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>الملف من إصدار آخر من Horavia (%1) لا يستطيع هذا الإصدار قراءته.</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>يضم الملف أكثر من %1 مدينة.</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>العنصر %1: لا مدينة</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1: ليست مدينة من الفهرس</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1: مدرجة مرتين</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1، التسمية %2: لا يمكن لـ Horavia قبولها</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1، التسمية: ليست نصًا</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1، الرمز التعبيري %2: لا يمكن لـ Horavia قبوله</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1، الرمز التعبيري: ليس نصًا</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1، ساعات العمل %2: لا يمكن لـ Horavia قبولها</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1، ساعات العمل: ليست نصًا</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>منطقتك الزمنية</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>المدن التي تتابعها</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>ابحث في الأعلى أو انقر على الخريطة لإضافة مدينة.</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>بالقرب</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>بالقرب من %1</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>الشمس طالعة طوال اليوم</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>الشمس غائبة طوال اليوم</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>الشروق %1 · الغروب %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>لا نتائج لـ «%1»</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>الشروق %1، الغروب %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>قوائم مدن Horavia (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>%n أخرى</numerusform>
            <numerusform>%n أخرى</numerusform>
            <numerusform>%n أخريان</numerusform>
            <numerusform>%n أخرى</numerusform>
            <numerusform>%n أخرى</numerusform>
            <numerusform>%n أخرى</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>تصدير المدن</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>استيراد المدن</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>تعذر تصدير المدن.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>تعذرت قراءة «%1».</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>تعذر استيراد «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>أضيفت %n مدينة من «%1».</numerusform>
            <numerusform>أضيفت %n مدينة من «%1».</numerusform>
            <numerusform>أضيفت %n مدينتان من «%1».</numerusform>
            <numerusform>أضيفت %n مدن من «%1».</numerusform>
            <numerusform>أضيفت %n مدينة من «%1».</numerusform>
            <numerusform>أضيفت %n مدينة من «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>كل مدن «%1» موجودة في قائمتك بالفعل.</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>هل تريد استبدال أسمائك ورموزك التعبيرية وساعات عملك بما في الملف؟</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>تختلف في %1.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>استبدل</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>احتفظ بما لدي</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>المدن</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>مدن Horavia</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>لم يُتخطَّ أي إدخال: %1.</numerusform>
            <numerusform>تم تخطي إدخال واحد: %1.</numerusform>
            <numerusform>تم تخطي إدخالين: %1.</numerusform>
            <numerusform>تم تخطي %n إدخالات: %1.</numerusform>
            <numerusform>تم تخطي %n إدخالًا: %1.</numerusform>
            <numerusform>تم تخطي %n إدخال: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>تتقدم الساعات %1 في %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>تتأخر الساعات %1 في %2</translation>
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
        <translation>«%1» ليس تاريخًا ووقتًا (2026-03-29T15:00 مع فرق التوقيت، أو «9am Tokyo»)</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>منطقتك الزمنية</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>نهار</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>شفق</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>ظلام</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>في قائمتك</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Earlier</source>
        <extracomment>A step of time back on the strip</extracomment>
        <translation>أبكر</translation>
    </message>
    <message>
        <source>An Hour Earlier</source>
        <extracomment>Moves the chosen time one hour back</extracomment>
        <translation>أبكر بساعة</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>أبعد بساعة</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>أبكر بيوم</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>أبعد بيوم</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>أبعد</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>الانتقال إلى الوقت التالي الذي يكون فيه الجميع في ساعات العمل (%1)</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>ع&amp;رض الساعات</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>اخت&amp;يار المدن…</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>الإ&amp;عدادات…</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>ح&amp;ول Horavia</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>التحقق &amp;من التحديثات…</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>إنهاء &amp;Horavia</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>ا&amp;لتداخل التالي</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>&amp;نسخ الأوقات</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>نس&amp;خ الرابط</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>إنشاء &amp;حدث…</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>يتوفر إصدار &amp;جديد</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>&amp;الحدث التالي</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>&amp;ذكّرني…</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>التذ&amp;كيرات…</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>ساعات العمل</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>خارج ساعات العمل</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>ليل</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>عرض الساعات</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>لا يمكن كتابة مسار التطبيق في مدخل التشغيل التلقائي.</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>تعذر إنشاء المجلد %1، أو يمكن لآخرين تغييره.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>مسح التحديد</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>المدن</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>البحث عن المدن والمناطق الزمنية</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>مسح البحث</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>الترتيب</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>تغيير ترتيب عرض المدن</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>ساعات العمل…</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>إعادة تعيين الاسم والرمز التعبيري</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>نسخ الوقت</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>العرض في علبة النظام</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>أزيلت %1.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>إعادة تسمية…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>إزالة %1</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>&amp;تصدير المدن…</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>ا&amp;ستيراد المدن…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>&amp;إغلاق النافذة</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>الساعات</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>لا مدن بعد</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>لا أحد يعمل في الأيام السبعة القادمة.</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>لا تداخل كامل في الأيام السبعة القادمة؛ في هذا الوقت، خارج ساعات العمل: %1.</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>العودة إلى الوقت الحالي (%1)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>unexpected %1</source>
        <extracomment>Command line error; %1 an argument given</extracomment>
        <translation>غير متوقع: %1</translation>
    </message>
    <message>
        <source>--print takes text, line, json or waybar, not %1</source>
        <extracomment>Command line error; keep the option and format names; %1 the format given</extracomment>
        <translation>يقبل --print القيم text أو line أو json أو waybar، وليس %1</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>«%1» يعني أكثر من منطقة: %2. اذكر المدينة بدلًا من ذلك</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>يتبع --follow الوقت الحالي؛ ولا يقبل --at</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>جرّب «%1».</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city: لا توجد في الفهرس مدينة بالمعرّف %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>خيار غير معروف: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>يحتاج %1 إلى قيمة</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>لا يقبل %1 أي قيمة</translation>
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
        <translation>الاستخدام: horavia [--toggle]
           horavia [--print[=text|line|json|waybar]] [--at TIME]
                   [--city ID] [--follow]

  --toggle         يفتح لوحة Horavia الذي يعمل أو يغلقها؛ ويشغّل Horavia واللوحة
                   مفتوحة إن لم يكن يعمل. اربطه بمفتاح في إعدادات لوحة المفاتيح
                   في سطح المكتب.

مع --print يطبع وقت منطقتك ووقت كل مدينة تتابعها ثم يخرج. يقرأ إعداداتك ولا
يحتاج إلى شاشة ولا يمس Horavia الذي يعمل.

  --print          سطر لكل ساعة: العنوان والوقت واليوم إن اختلف
  --print=line     كل الساعات في سطر واحد، لـ polybar وi3blocks
  --print=json     مصفوفة JSON: ‏id وtitle وzone وutcOffset (بالثواني)
                   وlocalTime (ISO 8601 مع الفرق) وdayOffset لكل ساعة
                   مع التذكيرات القادمة بوقتها في منطقة الساعة
  --print=waybar   كائن JSON لكل سطر لـ waybar: ‏text وtooltip وclass (آمن
                   للترميز: «&amp;» و«&lt;» و«&gt;» ككيانات)
  --at TIME        الساعات في لحظة أخرى: ISO 8601 مع فرق أو Z
                   (2026-03-29T15:00Z)، أو تاريخ ووقت في منطقتك
                   (2026-03-29T15:00). الوقت الذي تتخطاه ساعاتك خطأ، والوقت
                   المكرر يؤخذ في أول مرة. أو كما تكتبه: «9am Tokyo» و«Fri 14:00
                   in New York» و«3pm PST» (في أي تاريخ؛ الاختصار يعني منطقته،
                   فـ EST في يوليو يُقرأ EDT).
  --city ID        يعرض نص waybar هذه المدينة (معرّف من الفهرس) بدل منطقتك
  --follow         يطبع من جديد عند كل دقيقة وعند تغيّر الإعدادات حتى يغادر
                   القارئ
  -h, --help       هذا النص
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
        <translation>ذكّرني</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>تعديل التذكير</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>الوقت في مدنك</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>منطقتي الزمنية (تتبعني)</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>توقيت %1</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>&amp;الالتزام بتوقيت:</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>ال&amp;تذكير:</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of a reminder&apos;s note</extracomment>
        <translation>اختياري</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;ملاحظة:</translation>
    </message>
    <message>
        <source>That time has passed. Choose a later time or a shorter lead.</source>
        <translation>مضى هذا الوقت. اختر وقتًا لاحقًا أو مهلة أقصر.</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>تصل التذكيرات أثناء عمل Horavia. لا يُوقَظ الحاسوب النائم من أجلها: تصل عند استيقاظه، موسومةً بأنها متأخرة.</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%1 في %2 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>في الموعد</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>قبل الموعد مباشرةً</numerusform>
            <numerusform>قبل دقيقة</numerusform>
            <numerusform>قبل دقيقتين</numerusform>
            <numerusform>قبل %n دقائق</numerusform>
            <numerusform>قبل %n دقيقة</numerusform>
            <numerusform>قبل %n دقيقة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Reminder</source>
        <translation>تذكير</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>متأخر: حان وقته وHoravia لا يعمل أو الحاسوب نائم.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>غفوة 10 دقائق</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>لم يصل أي تذكير أثناء غيابك</numerusform>
            <numerusform>وصل تذكير أثناء غيابك</numerusform>
            <numerusform>وصل تذكيران أثناء غيابك</numerusform>
            <numerusform>وصلت %n تذكيرات أثناء غيابك</numerusform>
            <numerusform>وصل %n تذكيرًا أثناء غيابك</numerusform>
            <numerusform>وصل %n تذكير أثناء غيابك</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>لا تذكيرات. اختر «ذكّرني…» على وقت لإضافة تذكير.</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;تعديل…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>فائت</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>تم التسليم</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>مؤجل</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>تذكير</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>مثل النظام</translation>
    </message>
    <message>
        <source>12-Hour</source>
        <extracomment>The time format with AM and PM</extracomment>
        <translation>نظام 12 ساعة</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <extracomment>The time format from 0 to 23</extracomment>
        <translation>نظام 24 ساعة</translation>
    </message>
    <message>
        <source>Yesterday / Tomorrow</source>
        <extracomment>Other days written as yesterday or tomorrow</extracomment>
        <translation>أمس / غدًا</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>حسب الوقت</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>أبجديًا</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>أيقونة</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>الوقت بجانب الأيقونة</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>الوقت كأيقونة</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>الو&amp;قت:</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>عرض &amp;منطقتي الزمنية في الأعلى</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>الع&amp;رض في علبة النظام</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>العر&amp;ض في شريط المهام</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>&amp;ساعات العمل:</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>ساعات ال&amp;يقظة:</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>عرض الفرق عن &amp;وقتي</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>&amp;في علبة النظام، اعرض:</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>ال&amp;أيام الأخرى:</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>عرض الأعلام &amp;بجانب أسماء المدن</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>&amp;خطوة الوقت:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>Horavia محدَّث.</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>يتوفر إصدار جديد.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>تعذر حفظ إعداداتك. تسري التغييرات حتى تنهي Horavia.</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>تغيير اختصار عرض الساعات</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>التخطيط</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>ساعات العمل من</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>ساعات العمل إلى</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>اليقظة من</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>اليقظة إلى</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>خطوة الوقت</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>التحديثات</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>تأتي تحديثات Horavia من مدير الحزم لديك.</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>عرض الساعات: لا مفتاح بعد</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>عرض الساعات: %1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>الفتح عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>تعذر على Horavia تغيير فتحه عند تسجيل الدخول.

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>يعرض سطح المكتب هذا كل نافذة مفتوحة في شريط المهام؛ لا يستطيع Horavia إخفاء نوافذه منه.</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>مدينة متقدمة بيوم تُعرض هكذا: %1 %2</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>لفتح الساعات من لوحة المفاتيح، اربط الأمر «%1» بمفتاح في إعدادات لوحة المفاتيح في سطح المكتب.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>الفتح عند &amp;تسجيل الدخول</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>ت&amp;غيير…</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>&amp;التحقق من التحديثات تلقائيًا</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>ا&amp;لتحقق الآن</translation>
    </message>
    <message>
        <source>S&amp;how…</source>
        <extracomment>Button: shows the waiting update</extracomment>
        <translation>&amp;عرض…</translation>
    </message>
</context>
<context>
    <name>TimeAnswer</name>
    <message>
        <source>No place or time zone called “%1”</source>
        <extracomment>A typed time refused; %1 the place typed</extracomment>
        <translation>لا مكان ولا منطقة زمنية باسم «%1»</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>أي يوم؟ «%1» لا يحدد يومًا، أو يحدد أكثر من يوم</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%1 غير موجود في %2 يوم %3: الساعات تتخطاه</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%1 يوم %2 في %3 بعد أكثر من أسبوع من الآن</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>عرض %1 في %2 · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>عرض %1 يوم %2 في %3</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>عرض %1 في %2 · %3 · مقروءًا كـ %4</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>عرض %1 يوم %2 في %3، مقروءًا كـ %4</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>٣ م طوكيو</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>الجمعة ٩:٠٠ في باريس</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>اكتب وقتًا</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>وقت: %1، %2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>اكتب وقتًا، مثل %1 أو %2</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>ذكّرني</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>ذكّرني: %1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>هذا الرابط أطول من أن يكون رابط Horavia.</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>هذا ليس رابط Horavia.</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>في هذا الرابط أجزاء لا يعرفها Horavia.</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>هذا الرابط لا يحدد وقتًا.</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>في هذا الرابط حقول لا يعرفها Horavia.</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>تتعذر قراءة وقت هذا الرابط.</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>وقت هذا الرابط بعد أكثر من أسبوع من الآن.</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time</source>
        <extracomment>The strip of hours where a time is chosen</extracomment>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Now, %1</source>
        <extracomment>The strip&apos;s value when it shows the current time; %1 the time</extracomment>
        <translation>الآن، %1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>اسحب أو استخدم مفاتيح الأسهم لاختيار وقت؛ يعود %1 إلى الآن</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>يتوفر إصدار جديد من Horavia.</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>عرض الجديد في هذا الإصدار</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>يتوفر إصدار جديد من Horavia. اعرض الجديد.</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>ما الجديد</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>تحديث البرنامج</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>يتوفر إصدار جديد من Horavia.</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>لا شيء ينتظر التثبيت الآن.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>&amp;لاحقًا</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>&amp;التثبيت وإعادة التشغيل</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>جارٍ التحقق…</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>جارٍ التنزيل…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>جارٍ التثبيت…</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>لا يتوفر مثبّت.</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>وحدة الشبكة غير متوفرة.</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>لا يتوفر مثبّت.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>تعذر تجهيز التحديث: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>تعذر حفظ التحديث: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>تعذر تجهيز التحديث.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>تعذر على التحديث استبدال التطبيق: %1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>المسار يحتوي على «..»: %1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>يتمدد الأرشيف إلى أكثر من %1 م.ب.</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>يضم الأرشيف أكثر من %1 عنصر.</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>أعاد الخادم الحالة %1.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>تعذر فك ضغط التحديث.</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>فشل فك الضغط: %1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>عنوان التحديث غير صالح.</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>أرسل الخادم شيئًا غير متوقع.</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>التحديث الذي نُزّل فارغ.</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>لم يحتوِ التنزيل على Horavia.</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>التنزيل ليس نسخة موقّعة من هذا التطبيق، لذا لم يُثبَّت.</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>التنزيل غير موقّع كما يجب، لذا لم يُثبَّت.</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>انقطع التنزيل، لذا لم يُستخدم.</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>استغرق الخادم وقتًا طويلًا، لذا أوقف التنزيل.</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>هذا الإصدار مثبّت بالفعل.</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>التنزيل ليس أحدث من هذه النسخة، لذا لم يُثبَّت.</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>هذه النسخة ملك مستخدم آخر، لذا لا يمكنها تحديث نفسها.</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>بُنيت هذه النسخة دون عنوان للتحديث، لذا لا يمكنها تحديث نفسها.</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>المسار مطلق: %1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>الروابط الرمزية غير مسموح بها: %1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>الروابط الصلبة غير مسموح بها: %1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>الملفات الخاصة غير مسموح بها: %1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>التحديث أكبر من %1، لذا لم يُنزَّل.</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>ملاحظات الإصدار أكبر من %1، لذا لم تُقرأ.</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>خريطة العالم</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>خريطة العالم، %1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>تحرك مفاتيح الأسهم النقطة، ومع %1 بمقدار 10 درجات؛ يعرض %2 الأماكن القريبة منها؛ يمسح %3 التحديد.</translation>
    </message>
</context>
</TS>
