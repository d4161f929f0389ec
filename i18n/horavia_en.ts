<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AgendaView</name>
    <message numerus="yes">
        <source>Today (%n)</source>
        <extracomment>Shows or hides the rest of today&apos;s events; %n is how many</extracomment>
        <translation>
            <numerusform>Today (%n)</numerusform>
            <numerusform>Today (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s events: %n</source>
        <extracomment>Shows or hides the rest of today&apos;s events</extracomment>
        <translation>
            <numerusform>Today&apos;s events: %n</numerusform>
            <numerusform>Today&apos;s events: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Calendars</name>
    <message numerus="yes">
        <source>Only the first %n files are read.</source>
        <extracomment>%n is how many of a calendar folder&apos;s files are read</extracomment>
        <translation>
            <numerusform>Only %n file is read.</numerusform>
            <numerusform>Only the first %n files are read.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CityListTransfer</name>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>The end of a list of names cut short: the number left out</extracomment>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n cities from “%1”.</source>
        <extracomment>%1 a file name</extracomment>
        <translation>
            <numerusform>Added %n city from “%1”.</numerusform>
            <numerusform>Added %n cities from “%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n entries: %1.</source>
        <translation>
            <numerusform>Skipped %n entry: %1.</numerusform>
            <numerusform>Skipped %n entries: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message numerus="yes">
        <source>%n minute(s) before</source>
        <translation>
            <numerusform>%n minute before</numerusform>
            <numerusform>%n minutes before</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message numerus="yes">
        <source>%n reminder(s) came while you were away</source>
        <translation>
            <numerusform>%n reminder came while you were away</numerusform>
            <numerusform>%n reminders came while you were away</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
</TS>
