<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CaptureWindow</name>
    <message numerus="yes">
        <source>Report of %n notice(s) printed: %1 pages</source>
        <translation>
            <numerusform>Report of %n notice printed: %1 pages</numerusform>
            <numerusform>Report of %n notices printed: %1 pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notice(s) exported to %1</source>
        <translation>
            <numerusform>%n notice exported to %1</numerusform>
            <numerusform>%n notices exported to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden file(s) left beside the file by a run stopped midway removed</source>
        <translation>
            <numerusform>%n hidden file left beside the file by a run stopped midway was removed</numerusform>
            <numerusform>%n hidden files left beside the file by a run stopped midway were removed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoticeFileChecker</name>
    <message numerus="yes">
        <source>value for %1 longer than %n character</source>
        <translation>
            <numerusform>value for %1 longer than %n character</numerusform>
            <numerusform>value for %1 longer than %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>value for %1 longer than %n characters</source>
        <translation>
            <numerusform>value for %1 longer than %n character</numerusform>
            <numerusform>value for %1 longer than %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, the file has %n notice</source>
        <translation>
            <numerusform>%1 is %2, the file has %n notice</numerusform>
            <numerusform>%1 is %2, the file has %n notices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, the file has %n notices</source>
        <translation>
            <numerusform>%1 is %2, the file has %n notice</numerusform>
            <numerusform>%1 is %2, the file has %n notices</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoticeFileSession</name>
    <message numerus="yes">
        <source>%n more fault(s) follow.</source>
        <translation>
            <numerusform>%n more fault follows.</numerusform>
            <numerusform>%n more faults follow.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoticeFileStore</name>
    <message numerus="yes">
        <source> (and %n more faults)</source>
        <translation>
            <numerusform> (and %n more fault)</numerusform>
            <numerusform> (and %n more faults)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OperatorTexts</name>
    <message numerus="yes">
        <source>%n notice(s) in %1</source>
        <translation>
            <numerusform>%n notice in %1</numerusform>
            <numerusform>%n notices in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished: %n notice(s) written to %1</source>
        <translation>
            <numerusform>Finished: %n notice written to %1</numerusform>
            <numerusform>Finished: %n notices written to %1</numerusform>
        </translation>
    </message>
</context>
</TS>
