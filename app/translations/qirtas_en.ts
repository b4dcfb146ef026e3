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
Can't report!</source>
        <translation>There are no scores yet!
Nothing to report.</translation>
    </message>
    <message numerus="yes">
        <source>Focus key: %1. %2 of %n keys mastered.</source>
        <translation>
            <numerusform>Focus key: %1. %2 of %n key mastered.</numerusform>
            <numerusform>Focus key: %1. %2 of %n keys mastered.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogData</name>
    <message>
        <source>内容编辑</source>
        <translation>Content Editor</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>阿语</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>解释</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>打开 Qirtas 数据</source>
        <translation>Open Qirtas Data</translation>
    </message>
    <message>
        <source>保存 Qirtas 数据</source>
        <translation>Save Qirtas Data</translation>
    </message>
    <message>
        <source>Qirtas 文件 (*.kq)</source>
        <translation>Qirtas Files (*.kq)</translation>
    </message>
    <message>
        <source>无法打开文件：
%1
原因：%2</source>
        <translation>Cannot open the file:
%1
Reason: %2</translation>
    </message>
    <message>
        <source>文件不完整，只能读出部分记录：
%1
保存时请另选文件。</source>
        <translation>The file is incomplete; only some of its records could be read:
%1
When you save, choose another file.</translation>
    </message>
    <message>
        <source>请填写阿语内容。</source>
        <translation>Please enter the Arabic text.</translation>
    </message>
    <message>
        <source>请填写解释。</source>
        <translation>Please enter the explanation.</translation>
    </message>
    <message>
        <source>无法保存文件：
%1
原因：%2</source>
        <translation>Cannot save the file:
%1
Reason: %2</translation>
    </message>
    <message>
        <source>内容已修改，是否保存？</source>
        <translation>The content has changed. Save it?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don't Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>已于 %1 保存为 %2。</source>
        <translation>Saved as %2 at %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>explain</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>url</source>
        <translation>URL</translation>
    </message>
</context>
</TS>
