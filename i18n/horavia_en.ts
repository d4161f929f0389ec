<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
