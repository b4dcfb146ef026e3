<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Dialog</name>
    <message>
        <source>Symbol and Number</source>
        <translation>Symbols and Numbers</translation>
    </message>
    <message>
        <source>Press [F2] to prompting</source>
        <translation>Press [F2] for a hint</translation>
    </message>
    <message>
        <source>Press [Enter] go to next content !</source>
        <translation>Press [Enter] to skip to the next item!</translation>
    </message>
    <message>
        <source>101 Key</source>
        <translation>101 Keys</translation>
    </message>
    <message>
        <source>102 Key</source>
        <translation>102 Keys</translation>
    </message>
    <message>
        <source>Display complain</source>
        <translation>Show explanations</translation>
    </message>
    <message>
        <source>Keyboard Score Top</source>
        <translation>Top Keyboard Scores</translation>
    </message>
    <message>
        <source>Word Score Top</source>
        <translation>Top Word Scores</translation>
    </message>
    <message>
        <source>Sentence Score Top</source>
        <translation>Top Sentence Scores</translation>
    </message>
    <message>
        <source>Score display</source>
        <translation>Top Scores</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>There are not any score!
Can&apos;t report!</source>
        <translation>There are no scores yet!
Nothing to report.</translation>
    </message>
</context>
</TS>
