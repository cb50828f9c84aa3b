<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>OrbelView</name>
    <message numerus="yes">
        <source>%n degrees</source>
        <extracomment>An angle in whole degrees read aloud: &quot;90 degrees&quot;, &quot;1 degree&quot;.</extracomment>
        <translation>
            <numerusform>%n degree</numerusform>
            <numerusform>%n degrees</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the skills named as due: &quot;and 4 more&quot;.</extracomment>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
</TS>
