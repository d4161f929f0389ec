<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>場所、その地域とタイムゾーン</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>地図上の陸地の輪郭</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>タイムゾーンデータベース</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>IANA が管理する、すべての時計の規則</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>Horavia について</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>Horavia は世界中の時刻を表示します。時差と夏時間の切り替えはすべて、システムにある [IANA タイムゾーンデータベース](https://www.iana.org/time-zones)に基づきます。タイムゾーン名、書式、国名は [ICU](https://icu.unicode.org) を通じて [Unicode CLDR](https://cldr.unicode.org) から得ています。</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>都市名、地域、座標、タイムゾーンは [GeoNames](https://www.geonames.org) のもので、[CC BY 4.0](https://creativecommons.org/licenses/by/4.0/) の下で選択・改変して使用しています。陸地の輪郭はパブリックドメインの [Natural Earth](https://www.naturalearthdata.com) で作成しています。</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>[Qt](https://www.qt.io) で作られ、[GNU LGPL バージョン 3](https://www.gnu.org/licenses/lgpl-3.0.html) の下で使用しています。</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>Horavia を支えるデータ</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© Horavia の開発者</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>バージョン %1（%2）</translation>
    </message>
    <message>
        <source>© %1 The Horavia developers</source>
        <extracomment>%1 the year</extracomment>
        <translation>© %1 Horavia の開発者</translation>
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
        <translation>タイトルなしの予定</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>終日</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>進行中</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Said by a screen reader: an event&apos;s title, its start (&quot;1:00 PM&quot;) and how far off it is (&quot;in 25 minutes&quot;)</extracomment>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>Next event: %1</source>
        <extracomment>Said by a screen reader; %1 is the event&apos;s title, its start and how far off it is</extracomment>
        <translation>次の予定：%1</translation>
    </message>
</context>
<context>
    <name>AgendaView</name>
    <message>
        <source>No upcoming events</source>
        <extracomment>Beside the clocks, when the user&apos;s calendars have no event ahead this week</extracomment>
        <translation>今後の予定はありません</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>開始時刻の時計を表示</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>今日（%n）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>今日の予定：%n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>リマインド…</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>時計の横に次の予定を表示します。カレンダーファイル、そのフォルダー、または購読するカレンダーのアドレスを追加してください。</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>ファイルを追加(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>フォルダーを追加(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>購読(&amp;S)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>削除(&amp;M)</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>終日の予定も次の予定に含める(&amp;X)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>カレンダーファイルを追加</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>カレンダー（%1）</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>カレンダーフォルダーを追加</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>カレンダーを購読</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>カレンダーのアドレス（https: または webcal:）：</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>このアドレスは購読できません。https: または webcal: で始まる必要があります。</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>フォルダーがありません。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>最初の %n 件のファイルだけを読み込みます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>カレンダーが大きすぎます。</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>このファイルはカレンダーではありません。</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>このアドレスは購読できません。</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>カレンダーの受信に時間がかかりすぎました。</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>カレンダーのサーバーに接続できません。</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>カレンダーのサーバーが %1 を返しました。</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>カレンダーが不完全な状態で届きました。</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>このアドレスにはカレンダーがありません。</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>このカレンダーはデスクトップにもうありません。</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>カレンダーを開けません：%1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>カレンダーの予定を読み込めません：%1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>%1 の名前を変更</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>空欄のままにすると既定の値を使います。最初の欄には任意の絵文字を入力または貼り付けできます。</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>勤務時間の開始</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>勤務時間の終了</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>%1 の勤務時間</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>勤務時間(&amp;W)：%1 から %2 まで</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>結果なし</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>「%1」の結果はありません</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>綴りを確認するか、別の語で検索してください。</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>このファイルは都市リストとして大きすぎます（%1 KB）。</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>このファイルは UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>このファイルは Horavia の都市リストではありません。</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>このファイルは別のバージョンの Horavia（%1）のもので、このバージョンでは読めません。</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>このファイルには %1 を超える都市があります。</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>項目 %1：都市がありません</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1：カタログにない都市です</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1：重複しています</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1 のラベル %2：Horavia では使えません</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 のラベル：テキストではありません</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1 の絵文字 %2：Horavia では使えません</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 の絵文字：テキストではありません</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1 の勤務時間 %2：Horavia では使えません</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 の勤務時間：テキストではありません</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>自分のタイムゾーン</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>追加した都市</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>上で検索するか、地図をクリックして都市を追加します。</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>結果</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>付近</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>%1 の付近</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>終日、日が沈みません</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>終日、日が昇りません</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>日の出 %1 · 日の入り %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>「%1」の結果はありません</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>日の出 %1、日の入り %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>Horavia の都市リスト (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>都市を書き出す</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>都市をインポート</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>都市を書き出せませんでした。</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>「%1」を読み込めませんでした。</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>「%1」をインポートできませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>「%1」から %n 都市を追加しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>「%1」の都市はすべてリストにあります。</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>名前、絵文字、勤務時間をファイルのものに置き換えますか？</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>%1 で異なります。</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>自分のものを残す</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>都市</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>Horavia の都市</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>%n 件をスキップしました：%1。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>%2 に時計が %1 進みます</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>%2 に時計が %1 戻ります</translation>
    </message>
</context>
<context>
    <name>ClockEntries</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Copy Times: home&apos;s date, then every clock on one line (&quot;Thu, Jan 15: London 8:00 PM · Tokyo 5:00 AM tomorrow&quot;)</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>ClockExport</name>
    <message>
        <source>“%1” is no date and time (2026-03-29T15:00, with an offset, or “9am Tokyo”)</source>
        <translation>「%1」は日時ではありません（2026-03-29T15:00 のように時差付きで、または「9am Tokyo」）</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>自分のタイムゾーン</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>日中</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>薄明</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>暗い</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>リストに追加済み</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Earlier</source>
        <extracomment>A step of time back on the strip</extracomment>
        <translation>前へ</translation>
    </message>
    <message>
        <source>An Hour Earlier</source>
        <extracomment>Moves the chosen time one hour back</extracomment>
        <translation>1 時間前へ</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>1 時間後へ</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>1 日前へ</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>1 日後へ</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>現在</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>後へ</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>全員が勤務時間内になる次の時刻へ移動（%1）</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>時計を表示(&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>都市を選択(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>設定(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>Horavia について(&amp;A)</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>アップデートを確認(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>Horavia を終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>次の重なり(&amp;N)</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>時刻をコピー(&amp;T)</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>リンクをコピー(&amp;L)</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>予定を作成(&amp;E)…</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>新しいバージョンがあります(&amp;W)</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>次の予定(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>リマインド(&amp;R)…</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>リマインダー一覧(&amp;M)…</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>勤務時間</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>勤務時間外</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>夜間</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>時計を表示</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>アプリケーションのパスを自動起動の項目に書き込めません。</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>フォルダー %1 を作成できないか、他のユーザーが変更できる状態です。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>選択を解除</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>都市</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>都市とタイムゾーンを検索</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>並び順</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>都市の並び順を変更</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>勤務時間…</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>名前と絵文字をリセット</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>時刻をコピー</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>トレイに表示</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>名前を変更…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>都市を書き出す(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>都市をインポート(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>ウィンドウを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>時計</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>都市はまだありません</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>今後 7 日間、誰も勤務していません。</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>今後 7 日間に全員が重なる時間はありません。この時刻に勤務時間外：%1。</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>現在</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>現在の時刻に戻る（%1）</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>unexpected %1</source>
        <extracomment>Command line error; %1 an argument given</extracomment>
        <translation>予期しない引数：%1</translation>
    </message>
    <message>
        <source>--print takes text, line, json or waybar, not %1</source>
        <extracomment>Command line error; keep the option and format names; %1 the format given</extracomment>
        <translation>--print に使えるのは text、line、json、waybar です。%1 は使えません</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>「%1」は複数のタイムゾーンを指します：%2。都市名で指定してください</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>--follow は現在時刻に従うため、--at とは併用できません</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>「%1」を参照してください。</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city：ID %1 の都市はカタログにありません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>不明なオプション：%1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>%1 は値を取りません</translation>
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
        <translation>使い方：horavia [--toggle]
        horavia [--print[=text|line|json|waybar]] [--at 時刻]
                [--city ID] [--follow]

  --toggle         実行中の Horavia のパネルを開く、または閉じます。実行中でなけ
                   ればパネルを開いた状態で Horavia を起動します。デスクトップの
                   キーボード設定でキーに割り当ててください。

--print を付けると、自分のタイムゾーンと追加したすべての都市の時刻を表示して終了
します。設定を読み込み、画面を必要とせず、実行中の Horavia には触れません。

  --print          時計ごとに 1 行：名前、時刻、日付が違えばその日
  --print=line     すべての時計を 1 行に。polybar や i3blocks 向け
  --print=json     JSON 配列：各時計の id、title、zone、utcOffset（秒）、
                   localTime（時差付き ISO 8601）、dayOffset
                   各時計の時刻帯での次のリマインダーの時刻も含む
  --print=waybar   waybar 向けに 1 行ずつ JSON オブジェクト：text、tooltip、
                   class（マークアップ安全：「&amp;」「&lt;」「&gt;」は実体参照）
  --at 時刻        別の時点の時計：時差または Z 付きの ISO 8601
                   （2026-03-29T15:00Z）、または自分のタイムゾーンの日時
                   （2026-03-29T15:00）。時計が飛ばす時刻はエラー、繰り返す時刻
                   は最初の回です。または書き言葉で：「9am Tokyo」
                   「Fri 14:00 in New York」「3pm PST」（日付は問いません。略称
                   はそのゾーンを表し、7 月の EST は EDT として読みます）。
  --city ID        waybar のテキストに自分のタイムゾーンではなくこの都市（カタロ
                   グの ID）を表示
  --follow         読み手が終わるまで、毎分の区切りと設定の変更時に再表示
  -h, --help       このテキスト
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
        <translation>リマインド</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>リマインダーを編集</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>各都市の時刻</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>自分のタイムゾーン（移動に合わせる）</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>%1の時刻</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>基準(&amp;K)：</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>通知(&amp;R)：</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of a reminder&apos;s note</extracomment>
        <translation>任意</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>メモ(&amp;N)：</translation>
    </message>
    <message>
        <source>That time has passed. Choose a later time or a shorter lead.</source>
        <translation>その時刻は過ぎています。もっと後の時刻か、短い事前通知を選んでください。</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>リマインダーは Horavia の実行中に届きます。スリープ中のコンピューターは起こされず、復帰したときに遅延として届きます。</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%2 %1 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>時刻ちょうど</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>%n分前</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Reminder</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>遅延：Horavia が実行されていないか、コンピューターがスリープ中に時刻になりました。</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>10分後に再通知</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>不在中に %n 件のリマインダーがありました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>リマインダーはありません。時刻で「リマインド…」を選ぶと設定できます。</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>編集(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>見逃し</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>通知済み</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>スヌーズ中</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>リマインダー</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>システムに合わせる</translation>
    </message>
    <message>
        <source>12-Hour</source>
        <extracomment>The time format with AM and PM</extracomment>
        <translation>12 時間制</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <extracomment>The time format from 0 to 23</extracomment>
        <translation>24 時間制</translation>
    </message>
    <message>
        <source>Yesterday / Tomorrow</source>
        <extracomment>Other days written as yesterday or tomorrow</extracomment>
        <translation>昨日 / 明日</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>時刻順</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>アルファベット順</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>アイコンの横に時刻</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>アイコンとして時刻</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>時刻(&amp;T)：</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>自分のタイムゾーンを先頭に表示(&amp;Z)</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>システムトレイに表示(&amp;R)</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>タスクバーに表示(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>勤務時間(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>起きている時間(&amp;A)：</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>自分の時刻との差を表示(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>トレイに表示する内容(&amp;I)：</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>ほかの日(&amp;D)：</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>都市名の横に国旗を表示(&amp;G)</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>時間の刻み(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>Horavia は最新です。</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>設定を保存できませんでした。変更は Horavia を終了するまで有効です。</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>書式</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>外観</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>「時計を表示」のショートカットを変更</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>計画</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>勤務時間の開始</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>勤務時間の終了</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>起きている時間の開始</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>起きている時間の終了</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>時間の刻み</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>Horavia のアップデートはパッケージマネージャーから提供されます。</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>時計を表示：キー未設定</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>時計を表示：%1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Horavia はログイン時に開くかどうかを変更できませんでした。

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>このデスクトップは開いているウインドウをすべてタスクバーに表示します。Horavia のウインドウを除くことはできません。</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>1 日先の都市の表示：%2 %1</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>キーボードで時計を開くには、デスクトップのキーボード設定でコマンド「%1」をキーに割り当ててください。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>%1 から %2 まで</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>ログイン時に開く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>変更(&amp;C)…</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>アップデートを自動で確認(&amp;U)</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>今すぐ確認(&amp;N)</translation>
    </message>
    <message>
        <source>S&amp;how…</source>
        <extracomment>Button: shows the waiting update</extracomment>
        <translation>表示(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>TimeAnswer</name>
    <message>
        <source>No place or time zone called “%1”</source>
        <extracomment>A typed time refused; %1 the place typed</extracomment>
        <translation>「%1」という場所やタイムゾーンはありません</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>どの日ですか？「%1」は日を指していないか、複数の日を指しています</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%3 の %2 に %1 はありません。時計がこの時刻を飛ばします</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%3 の %2 %1 は 1 週間以上先です</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>%2 の %1 を表示 · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>%3 の %2 %1 を表示</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>%2 の %1 を表示 · %3 · %4 として解釈</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>%3 の %2 %1 を表示、%4 として解釈</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>午後3時 東京</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>金 9:00 パリ</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>時刻を入力</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>時刻：%1、%2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>%1 や %2 のように時刻を入力</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>リマインド</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>リマインド：%1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>このリンクは Horavia のリンクとしては長すぎます。</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>これは Horavia のリンクではありません。</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>このリンクには Horavia が知らない部分があります。</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>このリンクには時刻がありません。</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>このリンクには Horavia が知らない項目があります。</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>このリンクの時刻を読み取れません。</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>このリンクの時刻は1 週間以上先です。</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time</source>
        <extracomment>The strip of hours where a time is chosen</extracomment>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Now, %1</source>
        <extracomment>The strip&apos;s value when it shows the current time; %1 the time</extracomment>
        <translation>現在、%1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>ドラッグまたは矢印キーで時刻を選びます。%1 で現在に戻ります</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Horavia の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>このバージョンの新機能を表示</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>Horavia の新しいバージョンがあります。新機能を表示します。</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>新機能を見る</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>ソフトウェア・アップデート</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Horavia の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>今はインストールを待っているものはありません。</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>後で(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>インストールして再起動(&amp;I)</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>ダウンロード中…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>インストール中…</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>インストーラーがありません。</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>ネットワークモジュールがありません。</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>インストーラーがありません。</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>アップデートを準備できませんでした：%1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>アップデートを保存できませんでした：%1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>アップデートを準備できませんでした。</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>アップデートでアプリケーションを置き換えられませんでした：%1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>パスに「..」が含まれています：%1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>アーカイブの展開後のサイズが %1 MiB を超えます。</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>アーカイブの項目数が %1 を超えます。</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>サーバーがステータス %1 を返しました。</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>アップデートを展開できませんでした。</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>展開に失敗しました：%1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>アップデートのアドレスが正しくありません。</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>サーバーから予期しない応答がありました。</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>ダウンロードしたアップデートは空でした。</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>ダウンロードに Horavia が含まれていませんでした。</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>ダウンロードはこのアプリの署名付きコピーではないため、インストールしませんでした。</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>ダウンロードの署名が正しくないため、インストールしませんでした。</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>ダウンロードが途中で切れたため、使用しませんでした。</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>サーバーの応答に時間がかかりすぎたため、ダウンロードを中止しました。</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>このバージョンはすでにインストールされています。</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>ダウンロードはこのコピーより新しくないため、インストールしませんでした。</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>このコピーは別のユーザーのものなので、自身をアップデートできません。</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>このコピーはアップデートのアドレスなしでビルドされたため、自身をアップデートできません。</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>パスが絶対パスです：%1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>シンボリックリンクは使用できません：%1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>ハードリンクは使用できません：%1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>特殊ファイルは使用できません：%1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>アップデートが %1 を超えるため、ダウンロードしませんでした。</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>リリースノートが %1 を超えるため、読み込みませんでした。</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>世界地図</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>世界地図、%1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>矢印キーで点を移動、%1 で 10 度ずつ。%2 で付近の場所を一覧表示、%3 で選択を解除します。</translation>
    </message>
</context>
</TS>
