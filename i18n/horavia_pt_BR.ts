<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutEntries</name>
    <message>
        <source>The places, their regions and their time zones</source>
        <extracomment>What a credit in About provides: the city catalogue</extracomment>
        <translation>Os lugares, suas regiões e seus fusos horários</translation>
    </message>
    <message>
        <source>The outlines of the land on the map</source>
        <extracomment>What a credit in About provides: the map&apos;s land shapes</extracomment>
        <translation>Os contornos das terras no mapa</translation>
    </message>
    <message>
        <source>Time Zone Database</source>
        <extracomment>The name of IANA&apos;s tz database, as a credit in About</extracomment>
        <translation>Banco de dados de fusos horários</translation>
    </message>
    <message>
        <source>The rules behind every clock, kept by IANA</source>
        <extracomment>What the tz database credit provides</extracomment>
        <translation>As regras por trás de cada relógio, mantidas pela IANA</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Horavia</source>
        <translation>Sobre o Horavia</translation>
    </message>
    <message>
        <source>Horavia shows the time around the world. Every offset and daylight-saving change comes from your system&apos;s copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) through [ICU](https://icu.unicode.org).</source>
        <translation>O Horavia mostra a hora no mundo todo. Cada diferença e cada mudança de horário de verão vem da cópia do [banco de dados de fusos horários da IANA](https://www.iana.org/time-zones) do seu sistema; nomes de fusos, formatos e nomes de países vêm do [Unicode CLDR](https://cldr.unicode.org) por meio da [ICU](https://icu.unicode.org).</translation>
    </message>
    <message>
        <source>City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), which is in the public domain.</source>
        <translation>Nomes de cidades, regiões, coordenadas e fusos horários são do [GeoNames](https://www.geonames.org), licenciados sob [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selecionados e modificados. Os contornos das terras são feitos com o [Natural Earth](https://www.naturalearthdata.com), que está em domínio público.</translation>
    </message>
    <message>
        <source>Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3](https://www.gnu.org/licenses/lgpl-3.0.html).</source>
        <translation>Feito com [Qt](https://www.qt.io), usado sob a [GNU LGPL versão 3](https://www.gnu.org/licenses/lgpl-3.0.html).</translation>
    </message>
    <message>
        <source>The data behind Horavia</source>
        <extracomment>Heading of About&apos;s credits</extracomment>
        <translation>Os dados por trás do Horavia</translation>
    </message>
    <message>
        <source>© The Horavia developers</source>
        <translation>© Os desenvolvedores do Horavia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versão %1 (%2)</translation>
    </message>
    <message>
        <source>© %1 The Horavia developers</source>
        <extracomment>%1 the year</extracomment>
        <translation>© %1 Os desenvolvedores do Horavia</translation>
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
        <translation>Evento sem título</translation>
    </message>
    <message>
        <source>All day</source>
        <extracomment>An event that takes whole days, in place of its time</extracomment>
        <translation>Dia inteiro</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>An event of the user&apos;s calendar that has started and not ended</extracomment>
        <translation>agora</translation>
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
        <translation>Nenhum evento próximo</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <extracomment>An event beside the clocks: its title, its start in home time and how far off it is (&quot;Standup · 1:00 PM · in 25 minutes&quot;)</extracomment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Show the clocks at its start</source>
        <translation>Mostrar os relógios no início</translation>
    </message>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>Hoje (%n)</numerusform>
            <numerusform>Hoje (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>Eventos de hoje: %n</numerusform>
            <numerusform>Eventos de hoje: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Remind Me…</source>
        <extracomment>On an event&apos;s menu: sets a reminder at its start</extracomment>
        <translation>Lembrar-me…</translation>
    </message>
</context>
<context>
    <name>CalendarSettings</name>
    <message>
        <source>Calendars</source>
        <extracomment>Heading of Settings&apos; group of the user&apos;s calendars
----------
The list of the user&apos;s calendars in Settings</extracomment>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>See your next events beside the clocks: add a calendar file, a folder of them, or the address of a calendar to subscribe to.</source>
        <extracomment>Settings, before any calendar was added</extracomment>
        <translation>Veja seus próximos eventos ao lado dos relógios: adicione um arquivo de calendário, uma pasta deles ou o endereço de um calendário para assinar.</translation>
    </message>
    <message>
        <source>Add &amp;File…</source>
        <translation>Adicionar ar&amp;quivo…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Adi&amp;cionar pasta…</translation>
    </message>
    <message>
        <source>&amp;Subscribe…</source>
        <translation>A&amp;ssinar…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>R&amp;emover</translation>
    </message>
    <message>
        <source>All-day events count as the ne&amp;xt event</source>
        <translation>Eventos &amp;de dia inteiro contam como próximo evento</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A calendar in Settings that reads nothing: its name, and why (&quot;Work — The file can&apos;t be read.&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Calendar File</source>
        <extracomment>The title of the dialog that picks a calendar file; %1 is its file pattern</extracomment>
        <translation>Adicionar arquivo de calendário</translation>
    </message>
    <message>
        <source>Calendars (%1)</source>
        <translation>Calendários (%1)</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>Adicionar pasta de calendário</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <extracomment>The dialog that takes a calendar&apos;s address to subscribe to</extracomment>
        <translation>Assinar um calendário</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (https: or webcal:):</source>
        <translation>Endereço do calendário (https: ou webcal:):</translation>
    </message>
    <message>
        <source>That address can&apos;t be subscribed to: it must begin with https: or webcal:.</source>
        <extracomment>Settings, when an address given to subscribe to is refused</extracomment>
        <translation>Não é possível assinar esse endereço: ele deve começar com https: ou webcal:.</translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message>
        <source>The folder isn&apos;t there.</source>
        <extracomment>A calendar folder that is not there</extracomment>
        <translation>A pasta não existe.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>Só %n arquivo é lido.</numerusform>
            <numerusform>Só os primeiros %n arquivos são lidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file can&apos;t be read.</source>
        <extracomment>A calendar file that cannot be read</extracomment>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The calendar is too large.</source>
        <extracomment>A calendar too large to read</extracomment>
        <translation>O calendário é grande demais.</translation>
    </message>
    <message>
        <source>The file isn&apos;t a calendar.</source>
        <extracomment>A calendar file that is not in the iCalendar format</extracomment>
        <translation>O arquivo não é um calendário.</translation>
    </message>
    <message>
        <source>The address can&apos;t be subscribed to.</source>
        <translation>Não é possível assinar este endereço.</translation>
    </message>
    <message>
        <source>The calendar took too long to arrive.</source>
        <translation>O calendário demorou demais para chegar.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server can&apos;t be reached.</source>
        <extracomment>A subscribed calendar whose server did not answer</extracomment>
        <translation>Não foi possível acessar o servidor do calendário.</translation>
    </message>
    <message>
        <source>The calendar&apos;s server answered %1.</source>
        <extracomment>A subscribed calendar&apos;s server refused it; %1 is the HTTP status (&quot;404&quot;)</extracomment>
        <translation>O servidor do calendário respondeu %1.</translation>
    </message>
    <message>
        <source>The calendar arrived incomplete.</source>
        <extracomment>A subscribed calendar that arrived cut short or garbled</extracomment>
        <translation>O calendário chegou incompleto.</translation>
    </message>
    <message>
        <source>The address gives no calendar.</source>
        <extracomment>A subscribed address whose answer is no calendar</extracomment>
        <translation>O endereço não fornece nenhum calendário.</translation>
    </message>
    <message>
        <source>The calendar isn&apos;t on this desktop any more.</source>
        <extracomment>One of the desktop&apos;s calendars that has since been removed</extracomment>
        <translation>O calendário não está mais nesta área de trabalho.</translation>
    </message>
    <message>
        <source>The calendar can&apos;t be opened: %1</source>
        <extracomment>One of the desktop&apos;s calendars could not be opened; %1 is the service&apos;s reason</extracomment>
        <translation>Não é possível abrir o calendário: %1</translation>
    </message>
    <message>
        <source>The calendar&apos;s events can&apos;t be read: %1</source>
        <extracomment>One of the desktop&apos;s calendars whose events could not be read; %1 is the service&apos;s reason</extracomment>
        <translation>Não é possível ler os eventos do calendário: %1</translation>
    </message>
</context>
<context>
    <name>CityLabelEditor</name>
    <message>
        <source>Rename %1</source>
        <extracomment>Title of the label editor; %1 a city</extracomment>
        <translation>Renomear %1</translation>
    </message>
    <message>
        <source>Emoji</source>
        <extracomment>The field of a city&apos;s emoji, shown before its name</extracomment>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The field of a city&apos;s own name, shown instead of the catalogue&apos;s</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Leave either field empty to use the default. Any emoji can be typed or pasted into the first field.</source>
        <translation>Deixe um campo vazio para usar o padrão. Qualquer emoji pode ser digitado ou colado no primeiro campo.</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Início do expediente</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Fim do expediente</translation>
    </message>
    <message>
        <source>Working Hours for %1</source>
        <extracomment>Title of the editor of one city&apos;s working hours; %1 the city</extracomment>
        <translation>Expediente de %1</translation>
    </message>
    <message>
        <source>&amp;Working hours: %1 to %2</source>
        <extracomment>%1 and %2 are the fields of the start and end times</extracomment>
        <translation>&amp;Expediente: das %1 às %2</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
</context>
<context>
    <name>CityListDelegate</name>
    <message>
        <source>No Results</source>
        <extracomment>Heading when a search finds nothing</extracomment>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Nenhum resultado para “%1”</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>Verifique a ortografia ou tente uma nova busca.</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The file is larger than a list of cities can be (%1 KB).</source>
        <extracomment>Importing a city list; %1 a number of kilobytes</extracomment>
        <translation>O arquivo é maior do que uma lista de cidades pode ser (%1 KB).</translation>
    </message>
    <message>
        <source>The file is not text in UTF-8.</source>
        <translation>O arquivo não é texto em UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a list of Horavia’s cities.</source>
        <translation>O arquivo não é uma lista de cidades do Horavia.</translation>
    </message>
    <message>
        <source>The file is from another version of Horavia (%1), which this one cannot read.</source>
        <translation>O arquivo é de outra versão do Horavia (%1), que esta não consegue ler.</translation>
    </message>
    <message>
        <source>The file lists more than %1 cities.</source>
        <extracomment>Importing a city list; %1 the most it may hold</extracomment>
        <translation>O arquivo lista mais de %1 cidades.</translation>
    </message>
    <message>
        <source>entry %1: no city</source>
        <extracomment>A skipped entry of an imported list; %1 its position in the file</extracomment>
        <translation>item %1: nenhuma cidade</translation>
    </message>
    <message>
        <source>%1: not a city of the catalogue</source>
        <extracomment>A skipped entry of an imported list; %1 the id the file gives</extracomment>
        <translation>%1: não é uma cidade do catálogo</translation>
    </message>
    <message>
        <source>%1: listed twice</source>
        <extracomment>A skipped entry of an imported list; %1 a city</extracomment>
        <translation>%1: listada duas vezes</translation>
    </message>
    <message>
        <source>%1’s label %2: not one Horavia can take</source>
        <extracomment>%1 a city, %2 the label the file gives it</extracomment>
        <translation>%1 – rótulo %2: o Horavia não pode aceitá-lo</translation>
    </message>
    <message>
        <source>%1’s label: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – rótulo: não é texto</translation>
    </message>
    <message>
        <source>%1’s emoji %2: not one Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the emoji the file gives</extracomment>
        <translation>%1 – emoji %2: o Horavia não pode aceitá-lo</translation>
    </message>
    <message>
        <source>%1’s emoji: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – emoji: não é texto</translation>
    </message>
    <message>
        <source>%1’s working hours %2: not ones Horavia can take</source>
        <extracomment>A skipped value of an imported list; %1 a city, %2 the hours the file gives</extracomment>
        <translation>%1 – expediente %2: o Horavia não pode aceitá-lo</translation>
    </message>
    <message>
        <source>%1’s working hours: not text</source>
        <extracomment>A skipped value of an imported list; %1 a city</extracomment>
        <translation>%1 – expediente: não é texto</translation>
    </message>
</context>
<context>
    <name>CityListModel</name>
    <message>
        <source>Your Time Zone</source>
        <extracomment>Heading of the list&apos;s first section: the user&apos;s own zone</extracomment>
        <translation>Seu fuso horário</translation>
    </message>
    <message>
        <source>Cities You Track</source>
        <extracomment>Heading of the list of cities the user added</extracomment>
        <translation>Cidades que você acompanha</translation>
    </message>
    <message>
        <source>Search above or click the map to add a city.</source>
        <translation>Pesquise acima ou clique no mapa para adicionar uma cidade.</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>Heading of the search results</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Nearby</source>
        <extracomment>Heading of the places near a point clicked on the map</extracomment>
        <translation>Por perto</translation>
    </message>
    <message>
        <source>Near %1</source>
        <translation>Perto de %1</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <extracomment>A place&apos;s sun times on a day of midnight sun</extracomment>
        <translation>Sol acima do horizonte o dia todo</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <extracomment>A place&apos;s sun times on a day of polar night</extracomment>
        <translation>Sol abaixo do horizonte o dia todo</translation>
    </message>
    <message>
        <source>Sunrise %1 · Sunset %2</source>
        <extracomment>%1 and %2 are times</extracomment>
        <translation>Nascer %1 · Pôr do sol %2</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <extracomment>Heading when a search finds nothing; %1 what was typed</extracomment>
        <translation>Nenhum resultado para “%1”</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>What a screen reader says of a place&apos;s sun, where the eye reads &quot;Sunrise 7:12 AM · Sunset 4:35 PM&quot;</extracomment>
        <translation>nascer do sol %1, pôr do sol %2</translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message>
        <source>Horavia city lists (*.json)</source>
        <extracomment>A file type in the Open and Save dialogs; keep (*.json)</extracomment>
        <translation>Listas de cidades do Horavia (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Cities</source>
        <translation>Exportar cidades</translation>
    </message>
    <message>
        <source>Import Cities</source>
        <translation>Importar cidades</translation>
    </message>
    <message>
        <source>The cities could not be exported.</source>
        <translation>Não foi possível exportar as cidades.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>Não foi possível ler “%1”.</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>Não foi possível importar “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>%n cidade adicionada de “%1”.</numerusform>
            <numerusform>%n cidades adicionadas de “%1”.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every city in “%1” is already in your list.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>Todas as cidades de “%1” já estão na sua lista.</translation>
    </message>
    <message>
        <source>Replace your labels, emoji and working hours with the file’s?</source>
        <translation>Substituir seus nomes, emoji e expedientes pelos do arquivo?</translation>
    </message>
    <message>
        <source>They differ for %1.</source>
        <extracomment>%1 lists the cities whose labels, emoji or hours differ</extracomment>
        <translation>Eles diferem em %1.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button: take the imported file&apos;s labels, emoji and hours</extracomment>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <extracomment>Button: keep the user&apos;s own labels, emoji and hours</extracomment>
        <translation>Manter os meus</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>Title of a message about the list of cities</extracomment>
        <translation>Cidades</translation>
    </message>
    <message>
        <source>Horavia Cities</source>
        <extracomment>The default file name of an exported city list</extracomment>
        <translation>Cidades do Horavia</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>%n entrada ignorada: %1.</numerusform>
            <numerusform>%n entradas ignoradas: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockChange</name>
    <message>
        <source>Clocks go forward %1 on %2</source>
        <extracomment>A daylight-saving change; %1 a duration (&quot;1 hour&quot;), %2 a day</extracomment>
        <translation>Os relógios adiantam %1 em %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2</source>
        <translation>Os relógios atrasam %1 em %2</translation>
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
        <translation>“%1” não é uma data e hora (2026-03-29T15:00, com uma diferença, ou “9am Tokyo”)</translation>
    </message>
</context>
<context>
    <name>ClockRow</name>
    <message>
        <source>your time zone</source>
        <extracomment>Spoken of the row of the user&apos;s own time zone</extracomment>
        <translation>seu fuso horário</translation>
    </message>
    <message>
        <source>daylight</source>
        <extracomment>Spoken of a clock row: where the sun stands at the place now</extracomment>
        <translation>dia claro</translation>
    </message>
    <message>
        <source>twilight</source>
        <translation>crepúsculo</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>escuro</translation>
    </message>
    <message>
        <source>tracked</source>
        <extracomment>Spoken of a search result whose city is in the user&apos;s list</extracomment>
        <translation>na sua lista</translation>
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
        <translation>Uma hora antes</translation>
    </message>
    <message>
        <source>An Hour Later</source>
        <extracomment>Moves the chosen time one hour forward</extracomment>
        <translation>Uma hora depois</translation>
    </message>
    <message>
        <source>A Day Earlier</source>
        <extracomment>Moves the chosen time one day back</extracomment>
        <translation>Um dia antes</translation>
    </message>
    <message>
        <source>A Day Later</source>
        <extracomment>Moves the chosen time one day forward</extracomment>
        <translation>Um dia depois</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Later</source>
        <comment>a step of time</comment>
        <extracomment>A step of time back on the strip A step of time forward on the strip, as &quot;Earlier&quot; is one back (not &quot;not now&quot;)</extracomment>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Go to the next time everyone is in working hours (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Ctrl+O&quot;)</extracomment>
        <translation>Ir para o próximo horário em que todos estão no expediente (%1)</translation>
    </message>
    <message>
        <source>Sh&amp;ow Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>&amp;Mostrar relógios</translation>
    </message>
    <message>
        <source>C&amp;hoose Cities…</source>
        <extracomment>Opens the window where cities are searched and added</extracomment>
        <translation>E&amp;scolher cidades…</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>Co&amp;nfigurações…</translation>
    </message>
    <message>
        <source>&amp;About Horavia</source>
        <translation>Sobre &amp;o Horavia</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Procurar &amp;atualizações…</translation>
    </message>
    <message>
        <source>&amp;Quit Horavia</source>
        <translation>Sair &amp;do Horavia</translation>
    </message>
    <message>
        <source>&amp;Next Overlap</source>
        <extracomment>Moves the chosen time to the next time all are in working hours</extracomment>
        <translation>&amp;Próxima coincidência</translation>
    </message>
    <message>
        <source>Copy &amp;Times</source>
        <extracomment>Copies every clock&apos;s time at the chosen time as one line</extracomment>
        <translation>Copiar &amp;horários</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <extracomment>Copies a link that opens the chosen time in Horavia</extracomment>
        <translation>Copiar &amp;link</translation>
    </message>
    <message>
        <source>Create &amp;Event…</source>
        <extracomment>Saves a calendar event at the chosen time</extracomment>
        <translation>&amp;Criar evento…</translation>
    </message>
    <message>
        <source>A Ne&amp;w Version Is Available</source>
        <extracomment>A tray menu item that opens the update</extracomment>
        <translation>Há &amp;uma nova versão disponível</translation>
    </message>
    <message>
        <source>Next E&amp;vent</source>
        <extracomment>Moves the chosen time to the start of the next event in the user&apos;s calendars</extracomment>
        <translation>P&amp;róximo evento</translation>
    </message>
    <message>
        <source>&amp;Remind Me…</source>
        <extracomment>Sets a reminder at the chosen time</extracomment>
        <translation>Lem&amp;brar-me…</translation>
    </message>
    <message>
        <source>Re&amp;minders…</source>
        <extracomment>Opens the list of reminders</extracomment>
        <translation>Lembre&amp;tes…</translation>
    </message>
</context>
<context>
    <name>DayPart</name>
    <message>
        <source>working hours</source>
        <extracomment>Spoken of a clock row: the place is within its working hours now</extracomment>
        <translation>expediente</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <extracomment>Spoken of a clock row: people there are awake but not at work</extracomment>
        <translation>fora do expediente</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>Spoken of a clock row: people there are asleep</extracomment>
        <translation>noite</translation>
    </message>
</context>
<context>
    <name>HoraviaApp</name>
    <message>
        <source>Show Clocks</source>
        <extracomment>Opens the tray&apos;s panel of clocks</extracomment>
        <translation>Mostrar relógios</translation>
    </message>
</context>
<context>
    <name>LoginItem</name>
    <message>
        <source>The application&apos;s path can&apos;t be written in an autostart entry.</source>
        <translation>O caminho do aplicativo não pode ser escrito em uma entrada de início automático.</translation>
    </message>
    <message>
        <source>The folder %1 couldn&apos;t be created, or others can change it.</source>
        <extracomment>%1 a folder path</extracomment>
        <translation>Não foi possível criar a pasta %1, ou outros podem alterá-la.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear Selection</source>
        <extracomment>Clears the point chosen on the map</extracomment>
        <translation>Limpar seleção</translation>
    </message>
    <message>
        <source>Cities</source>
        <extracomment>The chooser&apos;s list of cities</extracomment>
        <translation>Cidades</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Search cities and time zones</source>
        <translation>Pesquisar cidades e fusos horários</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Limpar pesquisa</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>The button that chooses the order of the list</extracomment>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>Change the order cities are listed in</source>
        <translation>Mudar a ordem das cidades</translation>
    </message>
    <message>
        <source>Working Hours…</source>
        <extracomment>Opens the editor of a city&apos;s working hours</extracomment>
        <translation>Expediente…</translation>
    </message>
    <message>
        <source>Reset Name and Emoji</source>
        <extracomment>Removes a city&apos;s own name and emoji</extracomment>
        <translation>Restaurar nome e emoji</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <extracomment>Copies one city&apos;s time</extracomment>
        <translation>Copiar horário</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Show in Tray</source>
        <extracomment>Whether this city&apos;s time shows in the system tray</extracomment>
        <translation>Mostrar na bandeja</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <extracomment>%1 a city; said after it was removed (with Undo)</extracomment>
        <translation>%1 removida.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renomear…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 a city</extracomment>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>E&amp;xport Cities…</source>
        <translation>&amp;Exportar cidades…</translation>
    </message>
    <message>
        <source>&amp;Import Cities…</source>
        <translation>&amp;Importar cidades…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <extracomment>Menu item</extracomment>
        <translation>&amp;Fechar janela</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Clocks</source>
        <extracomment>The name of the tray&apos;s panel of clocks</extracomment>
        <translation>Relógios</translation>
    </message>
    <message>
        <source>No cities yet</source>
        <extracomment>The panel when no city has been added</extracomment>
        <translation>Nenhuma cidade ainda</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>Nobody works in the next 7 days.</source>
        <translation>Ninguém trabalha nos próximos 7 dias.</translation>
    </message>
    <message>
        <source>No full overlap in the next 7 days; at this time, outside working hours: %1.</source>
        <translation>Nenhuma coincidência completa nos próximos 7 dias; nesse horário, fora do expediente: %1.</translation>
    </message>
</context>
<context>
    <name>PlanningBar</name>
    <message>
        <source>Now</source>
        <extracomment>Goes back from a chosen time to the current time</extracomment>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Back to the current time (%1)</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Voltar para o horário atual (%1)</translation>
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
        <translation>--print aceita text, line, json ou waybar, não %1</translation>
    </message>
    <message>
        <source>“%1” means more than one zone: %2. Name the city instead</source>
        <translation>“%1” corresponde a mais de um fuso: %2. Informe a cidade</translation>
    </message>
    <message>
        <source>--follow follows now; it takes no --at</source>
        <extracomment>Command line error; keep the option names</extracomment>
        <translation>--follow segue o horário atual; não aceita --at</translation>
    </message>
    <message>
        <source>Try “%1”.</source>
        <extracomment>%1 is a command (&quot;horavia --help&quot;)</extracomment>
        <translation>Tente “%1”.</translation>
    </message>
    <message>
        <source>--city: the catalogue has no city with the id %1</source>
        <extracomment>Command line error; keep --city; %1 the id given</extracomment>
        <translation>--city: o catálogo não tem nenhuma cidade com o id %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>Command line error; %1 an option given (&quot;--frobnicate&quot;)</extracomment>
        <translation>opção desconhecida: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>Command line error; %1 an option given without its value (&quot;--city&quot;)</extracomment>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>Command line error; %1 an option that takes no value (&quot;--follow&quot;)</extracomment>
        <translation>%1 não aceita valor</translation>
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

  --toggle         abre o painel do Horavia em execução, ou o fecha; inicia o
                   Horavia com o painel aberto se nenhum estiver rodando.
                   Associe-o a uma tecla nas configurações de teclado do seu
                   área de trabalho.

Com --print, mostra a hora do seu fuso e de cada cidade que você acompanha, e
sai. Lê suas configurações, não precisa de tela e deixa em paz um Horavia em
execução.

  --print          uma linha por relógio: título, hora e o dia quando é outro
  --print=line     todos os relógios em uma linha, para polybar e i3blocks
  --print=json     um array JSON: id, title, zone, utcOffset (segundos),
                   localTime (ISO 8601 com diferença) e dayOffset de cada
                   relógio
                   com os próximos lembretes no horário do seu fuso
  --print=waybar   um objeto JSON por linha para o waybar: text, tooltip, class
                   (seguro para marcação: “&amp;”, “&lt;” e “&gt;” como entidades)
  --at HORA        os relógios em outro instante: ISO 8601 com diferença ou Z
                   (2026-03-29T15:00Z), ou data e hora no seu fuso
                   (2026-03-29T15:00). Um horário que seus relógios pulam é um
                   erro; um que repetem vale a primeira vez. Ou como você
                   escreveria: “9am Tokyo”, “Fri 14:00 in New York”, “3pm PST”
                   (em qualquer data; uma abreviação é a do seu fuso: EST em
                   julho é EDT).
  --city ID        o texto do waybar mostra esta cidade (um id do catálogo) em
                   vez do seu fuso
  --follow         mostra de novo a cada virada de minuto e quando as
                   configurações mudam, até o leitor sair
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
        <translation>Lembrar-me</translation>
    </message>
    <message>
        <source>Edit Reminder</source>
        <translation>Editar lembrete</translation>
    </message>
    <message>
        <source>The time in your cities</source>
        <extracomment>Above the set time as it reads in each tracked city</extracomment>
        <translation>O horário nas suas cidades</translation>
    </message>
    <message>
        <source>My own time zone (follows me)</source>
        <extracomment>The choice of whose clock a reminder keeps to when the user travels</extracomment>
        <translation>Meu próprio fuso horário (me acompanha)</translation>
    </message>
    <message>
        <source>%1 time</source>
        <extracomment>A city whose clock a reminder keeps to: &quot;Tokyo time&quot;</extracomment>
        <translation>Horário de %1</translation>
    </message>
    <message>
        <source>&amp;Keep to:</source>
        <extracomment>A form label: the zone whose clock the reminder keeps to</extracomment>
        <translation>&amp;Seguir o horário de:</translation>
    </message>
    <message>
        <source>&amp;Remind:</source>
        <extracomment>A form label: how long before the time the reminder comes</extracomment>
        <translation>&amp;Lembrar:</translation>
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
        <translation>Esse horário já passou. Escolha um horário posterior ou uma antecedência menor.</translation>
    </message>
    <message>
        <source>Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked late, when it wakes.</source>
        <translation>Os lembretes chegam enquanto o Horavia está aberto. Um computador em suspensão não é acordado por eles: chegam quando ele acorda, marcados como atrasados.</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>%1 in %2 · %3</source>
        <extracomment>A reminder&apos;s time in a city, then at home: &quot;9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours&quot;</extracomment>
        <translation>%1 em %2 · %3</translation>
    </message>
    <message>
        <source>At the time</source>
        <translation>No horário</translation>
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
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>Late: its time came while Horavia was not running or the computer slept.</source>
        <translation>Atrasado: o horário chegou quando o Horavia não estava aberto ou o computador estava em suspensão.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <extracomment>A button on a delivered reminder: deliver it again in ten minutes</extracomment>
        <translation>Adiar 10 min</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>%n lembrete chegou enquanto você estava fora</numerusform>
            <numerusform>%n lembretes chegaram enquanto você estava fora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>No reminders. Choose Remind Me… on a time to set one.</source>
        <extracomment>Shown in place of the list of reminders while there is none</extracomment>
        <translation>Nenhum lembrete. Escolha “Lembrar-me…” em um horário para criar um.</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A reminder whose time passed more than a day before Horavia could deliver it</extracomment>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Entregue</translation>
    </message>
    <message>
        <source>Snoozed</source>
        <translation>Adiado</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Match System</source>
        <extracomment>The time format the system sets</extracomment>
        <translation>Igual ao sistema</translation>
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
        <translation>Ontem / Amanhã</translation>
    </message>
    <message>
        <source>By Time</source>
        <extracomment>Sort order of the cities: by their time</extracomment>
        <translation>Por horário</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <extracomment>Sort order of the cities: by name</extracomment>
        <translation>Em ordem alfabética</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Sort order of the cities: as the user placed them</extracomment>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>Icon</source>
        <extracomment>What the tray shows: the icon alone</extracomment>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Time beside the icon</source>
        <extracomment>What the tray shows</extracomment>
        <translation>Hora ao lado do ícone</translation>
    </message>
    <message>
        <source>Time as the icon</source>
        <extracomment>What the tray shows: the time drawn in place of the icon</extracomment>
        <translation>Hora como ícone</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <extracomment>Label of the choice of time format</extracomment>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>Show my time &amp;zone at the top</source>
        <translation>Mostrar meu fuso hor&amp;ário no topo</translation>
    </message>
    <message>
        <source>Show in system t&amp;ray</source>
        <translation>Mostrar &amp;na bandeja do sistema</translation>
    </message>
    <message>
        <source>Show in task&amp;bar</source>
        <translation>Mostrar na barra de tare&amp;fas</translation>
    </message>
    <message>
        <source>&amp;Working hours:</source>
        <translation>E&amp;xpediente:</translation>
    </message>
    <message>
        <source>&amp;Awake:</source>
        <translation>Ac&amp;ordado:</translation>
    </message>
    <message>
        <source>Show offs&amp;et from my time</source>
        <translation>Mos&amp;trar a diferença para o meu horário</translation>
    </message>
    <message>
        <source>&amp;In the tray, show:</source>
        <extracomment>Label of the choice of what the system tray shows</extracomment>
        <translation>Na bande&amp;ja, mostrar:</translation>
    </message>
    <message>
        <source>Other &amp;days:</source>
        <extracomment>Label of the choice of how a day other than today is written</extracomment>
        <translation>O&amp;utros dias:</translation>
    </message>
    <message>
        <source>Show fla&amp;gs beside city names</source>
        <translation>Mostrar &amp;bandeiras ao lado das cidades</translation>
    </message>
    <message>
        <source>Time ste&amp;p:</source>
        <extracomment>Label of the choice of how far one step moves the chosen time</extracomment>
        <translation>&amp;Intervalo:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Horavia is up to date.</source>
        <translation>O Horavia está atualizado.</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Há uma nova versão disponível.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Your settings couldn&apos;t be saved. Changes apply until you quit Horavia.</source>
        <translation>Não foi possível salvar suas configurações. As alterações valem até você sair do Horavia.</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Heading of Settings&apos; group of formats</extracomment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of Settings&apos; group of what shows where</extracomment>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Change the Show Clocks shortcut</source>
        <translation>Alterar o atalho de Mostrar relógios</translation>
    </message>
    <message>
        <source>Planning</source>
        <extracomment>Heading of Settings&apos; group of working hours and time steps</extracomment>
        <translation>Planejamento</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Início do expediente</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Fim do expediente</translation>
    </message>
    <message>
        <source>Awake from</source>
        <translation>Acordado das</translation>
    </message>
    <message>
        <source>Awake to</source>
        <translation>Acordado até</translation>
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
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Heading of Settings&apos; group of software updates</extracomment>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Updates to Horavia come from your package manager.</source>
        <translation>As atualizações do Horavia vêm do seu gerenciador de pacotes.</translation>
    </message>
    <message>
        <source>Show Clocks: no key yet</source>
        <translation>Mostrar relógios: ainda sem tecla</translation>
    </message>
    <message>
        <source>Show Clocks: %1</source>
        <extracomment>%1 the key that opens the clocks</extracomment>
        <translation>Mostrar relógios: %1</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Horavia couldn&apos;t change whether it opens at login.

%1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>O Horavia não conseguiu mudar se abre ao iniciar a sessão.

%1</translation>
    </message>
    <message>
        <source>This desktop shows every open window in its taskbar; Horavia can&apos;t leave its windows out.</source>
        <translation>Este ambiente mostra cada janela aberta na barra de tarefas; o Horavia não pode tirar suas janelas de lá.</translation>
    </message>
    <message>
        <source>A city a day ahead reads: %1 %2</source>
        <extracomment>The date format&apos;s preview: %1 a time, %2 its day as a line of clocks says it (&quot;9:30 AM tomorrow&quot;)</extracomment>
        <translation>Uma cidade um dia à frente mostra: %1 %2</translation>
    </message>
    <message>
        <source>To open the clocks from the keyboard, bind the command “%1” to a key in your desktop&apos;s keyboard settings.</source>
        <extracomment>%1 is the command itself, &quot;horavia --toggle&quot;</extracomment>
        <translation>Para abrir os relógios pelo teclado, associe o comando “%1” a uma tecla nas configurações de teclado da sua área de trabalho.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>hours</comment>
        <extracomment>Working or awake hours: %1 and %2 are the fields of their start and end times</extracomment>
        <translation>das %1 às %2</translation>
    </message>
    <message>
        <source>Open at &amp;login</source>
        <translation>&amp;Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <extracomment>Button: changes the key that opens the clocks</extracomment>
        <translation>A&amp;lterar…</translation>
    </message>
    <message>
        <source>Check for &amp;updates automatically</source>
        <translation>&amp;Procurar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Check &amp;Now</source>
        <translation>P&amp;rocurar agora</translation>
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
        <translation>Nenhum lugar ou fuso horário chamado “%1”</translation>
    </message>
    <message>
        <source>Which day? “%1” names none, or more than one</source>
        <extracomment>A typed time refused; %1 the day typed</extracomment>
        <translation>Que dia? “%1” não indica nenhum, ou indica mais de um</translation>
    </message>
    <message>
        <source>%1 does not exist in %2 on %3: the clocks skip it</source>
        <extracomment>%1 a time, %2 a place, %3 a day: a time a daylight-saving change skips</extracomment>
        <translation>%1 não existe em %2 em %3: os relógios pulam esse horário</translation>
    </message>
    <message>
        <source>%1 on %2 in %3 is more than a week from now</source>
        <extracomment>%1 a time, %2 a day, %3 a place</extracomment>
        <translation>%1 em %2 em %3 está a mais de uma semana</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3</source>
        <translation>Mostrar %1 em %2 · %3</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3</source>
        <translation>Mostrar %1 em %2 em %3</translation>
    </message>
    <message>
        <source>Show %1 in %2 · %3 · read as %4</source>
        <extracomment>%1 a time, %2 a place, %3 its date (&quot;Show 9:00 AM in Tokyo · Fri, Jan 16&quot;)</extracomment>
        <translation>Mostrar %1 em %2 · %3 · lido como %4</translation>
    </message>
    <message>
        <source>Show %1 on %2 in %3, read as %4</source>
        <extracomment>Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as</extracomment>
        <translation>Mostrar %1 em %2 em %3, lido como %4</translation>
    </message>
    <message>
        <source>3pm Tokyo</source>
        <comment>example</comment>
        <extracomment>An example of a time as a user types it, in your language&apos;s words with a place the search finds (it is read as a time in your language: &quot;15 Uhr Tokio&quot;)</extracomment>
        <translation>15h Tóquio</translation>
    </message>
    <message>
        <source>Fri 9:00 in Paris</source>
        <comment>example</comment>
        <extracomment>An example of a day and time typed, in your language&apos;s words (&quot;Fr 9:00 in Paris&quot;)</extracomment>
        <translation>sex 9h em Paris</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Type a time</source>
        <extracomment>The accessible name of the field where a time is typed</extracomment>
        <translation>Digite um horário</translation>
    </message>
    <message>
        <source>A time: %1, %2</source>
        <extracomment>The hint of the field where a time is typed; %1 and %2 are examples of typed times</extracomment>
        <translation>Um horário: %1, %2</translation>
    </message>
    <message>
        <source>Type a time, such as %1 or %2</source>
        <extracomment>%1 and %2 are examples of typed times</extracomment>
        <translation>Digite um horário, como %1 ou %2</translation>
    </message>
    <message>
        <source>remind</source>
        <extracomment>Typed before a time to set a reminder (&quot;remind 9am Tokyo&quot;): one word, lower case</extracomment>
        <translation>lembrar</translation>
    </message>
    <message>
        <source>Remind me: %1</source>
        <extracomment>What Return does on a typed reminder; %1 the time read (&quot;Show 3:00 PM in Tokyo · Thu&quot;)</extracomment>
        <translation>Lembrar: %1</translation>
    </message>
</context>
<context>
    <name>TimeLink</name>
    <message>
        <source>This link is too long to be a Horavia link.</source>
        <translation>Este link é longo demais para ser um link do Horavia.</translation>
    </message>
    <message>
        <source>This is not a Horavia link.</source>
        <translation>Este não é um link do Horavia.</translation>
    </message>
    <message>
        <source>This link has parts Horavia does not know.</source>
        <translation>Este link tem partes que o Horavia não conhece.</translation>
    </message>
    <message>
        <source>This link names no time.</source>
        <translation>Este link não indica nenhum horário.</translation>
    </message>
    <message>
        <source>This link holds fields Horavia does not know.</source>
        <translation>Este link contém campos que o Horavia não conhece.</translation>
    </message>
    <message>
        <source>This link&apos;s time cannot be read.</source>
        <translation>Não é possível ler o horário deste link.</translation>
    </message>
    <message>
        <source>This link&apos;s time is more than a week from now.</source>
        <translation>O horário deste link está a mais de uma semana.</translation>
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
        <translation>Agora, %1</translation>
    </message>
    <message>
        <source>Drag or use the arrow keys to choose a time; %1 goes back to now</source>
        <extracomment>%1 is the key, as Qt names it in the language (&quot;Home&quot;)</extracomment>
        <translation>Arraste ou use as setas para escolher um horário; %1 volta para agora</translation>
    </message>
</context>
<context>
    <name>UpdateRibbon</name>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Há uma nova versão do Horavia disponível.</translation>
    </message>
    <message>
        <source>Show what&apos;s new in this version</source>
        <translation>Mostrar as novidades desta versão</translation>
    </message>
    <message>
        <source>A new version of Horavia is available. Show what&apos;s new.</source>
        <translation>Há uma nova versão do Horavia disponível. Mostrar as novidades.</translation>
    </message>
    <message>
        <source>See What&apos;s New</source>
        <extracomment>Button: opens the update&apos;s release notes</extracomment>
        <translation>Ver novidades</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the update window</extracomment>
        <translation>Atualização de software</translation>
    </message>
    <message>
        <source>A new version of Horavia is available.</source>
        <translation>Há uma nova versão do Horavia disponível.</translation>
    </message>
    <message>
        <source>There&apos;s nothing waiting to install right now.</source>
        <translation>Não há nada aguardando instalação agora.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <comment>not now</comment>
        <extracomment>Not now: closes the offer of an update, beside &quot;Install and Relaunch&quot;</extracomment>
        <translation>&amp;Mais tarde</translation>
    </message>
    <message>
        <source>&amp;Install and Relaunch</source>
        <extracomment>Button: installs the update and restarts Horavia</extracomment>
        <translation>&amp;Instalar e reiniciar</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for an update</extracomment>
        <translation>Procurando…</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <extracomment>Downloading an update</extracomment>
        <translation>Baixando…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <extracomment>Installing an update</extracomment>
        <translation>Instalando…</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>Nenhum instalador disponível.</translation>
    </message>
</context>
<context>
    <name>UpdaterError</name>
    <message>
        <source>The network module isn&apos;t available.</source>
        <translation>O módulo de rede não está disponível.</translation>
    </message>
    <message>
        <source>No installer is available.</source>
        <translation>Nenhum instalador disponível.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Não foi possível preparar a atualização: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be saved: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Não foi possível salvar a atualização: %1</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be prepared.</source>
        <translation>Não foi possível preparar a atualização.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t replace the app: %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>A atualização não conseguiu substituir o aplicativo: %1</translation>
    </message>
    <message>
        <source>Path contains &apos;..&apos;: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>O caminho contém “..”: %1</translation>
    </message>
    <message>
        <source>The archive expands to more than %1 MiB.</source>
        <extracomment>%1 a number of mebibytes</extracomment>
        <translation>O arquivo compactado se expande para mais de %1 MiB.</translation>
    </message>
    <message>
        <source>The archive holds more than %1 entries.</source>
        <extracomment>%1 a number of files</extracomment>
        <translation>O arquivo compactado tem mais de %1 itens.</translation>
    </message>
    <message>
        <source>The server returned status %1.</source>
        <extracomment>%1 an HTTP status code</extracomment>
        <translation>O servidor respondeu com o status %1.</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be unpacked.</source>
        <translation>Não foi possível descompactar a atualização.</translation>
    </message>
    <message>
        <source>Unpacking failed: %1</source>
        <translation>Falha ao descompactar: %1</translation>
    </message>
    <message>
        <source>The update address isn&apos;t valid.</source>
        <translation>O endereço da atualização não é válido.</translation>
    </message>
    <message>
        <source>The server sent something unexpected.</source>
        <translation>O servidor enviou algo inesperado.</translation>
    </message>
    <message>
        <source>The downloaded update was empty.</source>
        <translation>A atualização baixada estava vazia.</translation>
    </message>
    <message>
        <source>The download didn&apos;t contain Horavia.</source>
        <translation>O download não continha o Horavia.</translation>
    </message>
    <message>
        <source>The download isn&apos;t a signed copy of this app, so it wasn&apos;t installed.</source>
        <translation>O download não é uma cópia assinada deste aplicativo, então não foi instalado.</translation>
    </message>
    <message>
        <source>The download isn&apos;t properly signed, so it wasn&apos;t installed.</source>
        <translation>O download não está assinado corretamente, então não foi instalado.</translation>
    </message>
    <message>
        <source>The download was cut short, so it wasn&apos;t used.</source>
        <translation>O download foi interrompido, então não foi usado.</translation>
    </message>
    <message>
        <source>The server took too long, so the download was stopped.</source>
        <translation>O servidor demorou demais, então o download foi interrompido.</translation>
    </message>
    <message>
        <source>This version is already installed.</source>
        <translation>Esta versão já está instalada.</translation>
    </message>
    <message>
        <source>The download isn&apos;t newer than this copy, so it wasn&apos;t installed.</source>
        <translation>O download não é mais novo que esta cópia, então não foi instalado.</translation>
    </message>
    <message>
        <source>This copy belongs to another user, so it can&apos;t update itself.</source>
        <translation>Esta cópia pertence a outro usuário, então não pode se atualizar.</translation>
    </message>
    <message>
        <source>This copy was built without an update address, so it can&apos;t update itself.</source>
        <translation>Esta cópia foi compilada sem endereço de atualização, então não pode se atualizar.</translation>
    </message>
    <message>
        <source>Path is absolute: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>O caminho é absoluto: %1</translation>
    </message>
    <message>
        <source>Symbolic links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Links simbólicos não são permitidos: %1</translation>
    </message>
    <message>
        <source>Hard links are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Links físicos não são permitidos: %1</translation>
    </message>
    <message>
        <source>Special files are not allowed: %1</source>
        <extracomment>An update archive refused; %1 a path inside it</extracomment>
        <translation>Arquivos especiais não são permitidos: %1</translation>
    </message>
    <message>
        <source>The update is larger than %1, so it wasn&apos;t downloaded.</source>
        <extracomment>%1 a size (&quot;512 MB&quot;)</extracomment>
        <translation>A atualização tem mais de %1, então não foi baixada.</translation>
    </message>
    <message>
        <source>The release notes are larger than %1, so they weren&apos;t read.</source>
        <extracomment>%1 a size (&quot;1 MB&quot;)</extracomment>
        <translation>As notas da versão têm mais de %1, então não foram lidas.</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <source>World map</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Mapa-múndi</translation>
    </message>
    <message>
        <source>World map, %1</source>
        <extracomment>The map where a point is chosen to find places near it</extracomment>
        <translation>Mapa-múndi, %1</translation>
    </message>
    <message>
        <source>Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 clears the selection.</source>
        <extracomment>%1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language</extracomment>
        <translation>As setas movem o ponto, com %1 de 10 em 10 graus; %2 lista os lugares próximos; %3 limpa a seleção.</translation>
    </message>
</context>
</TS>
