<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Dialog</name>
    <message>
        <source>Nuvari Arabic typing software</source>
        <translation>Nuvari 阿拉伯语打字软件</translation>
    </message>
    <message>
        <source>ttt</source>
        <translation>ttt</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Only Letters</source>
        <translation>仅字母</translation>
    </message>
    <message>
        <source>Symbol and Number</source>
        <translation>符号和数字</translation>
    </message>
    <message>
        <source>Random Mode</source>
        <translation>随机顺序</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>正确率</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Click Start button to start...</source>
        <translation>点击“开始”按钮开始练习……</translation>
    </message>
    <message>
        <source>Press [F2] to prompting</source>
        <translation>按 [F2] 键显示提示</translation>
    </message>
    <message>
        <source>Press [Enter] go to next content !</source>
        <translation>按 [Enter] 键跳到下一条！</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>句子</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Keyboard Type</source>
        <translation>键盘类型</translation>
    </message>
    <message>
        <source>101 Key</source>
        <translation>101 键</translation>
    </message>
    <message>
        <source>102 Key</source>
        <translation>102 键</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Display complain</source>
        <translation>显示释义</translation>
    </message>
    <message>
        <source>Harakat are optional</source>
        <translation>发音符号可省略</translation>
    </message>
    <message>
        <source>A haraka may be typed or left out; typed, it must be the right one. A tatweel is never needed. The course's harakat lessons still ask for every mark.</source>
        <translation>发音符号可以输入，也可以省略；一旦输入，就必须输入正确的符号。延长线（ـ）从不需要输入。课程中讲授发音符号的课仍要求输入每一个符号。</translation>
    </message>
    <message>
        <source>Item Count</source>
        <translation>练习条数</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>60</source>
        <translation>60</translation>
    </message>
    <message>
        <source>70</source>
        <translation>70</translation>
    </message>
    <message>
        <source>80</source>
        <translation>80</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Keyboard Score Top</source>
        <translation>键盘练习排行</translation>
    </message>
    <message>
        <source>Word Score Top</source>
        <translation>单词练习排行</translation>
    </message>
    <message>
        <source>Sentence Score Top</source>
        <translation>句子练习排行</translation>
    </message>
    <message>
        <source>Score display</source>
        <translation>成绩排行榜</translation>
    </message>
    <message>
        <source>Report Score</source>
        <translation>上报成绩</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Released on %1</source>
        <translation>发布日期：%1</translation>
    </message>
    <message>
        <source>Based on Qt %1</source>
        <translation>基于 Qt %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Nuvari Soft</source>
        <translation>版权所有 (C) 2026 Nuvari Soft</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻译服务</translation>
    </message>
    <message>
        <source>Arabic translation service</source>
        <translation>阿拉伯语翻译服务</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>输入法</translation>
    </message>
    <message>
        <source>Arabic input method for Windows</source>
        <translation>Windows 版阿拉伯语输入法</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>问题反馈</translation>
    </message>
    <message>
        <source>Report a problem or make a suggestion</source>
        <translation>报告问题或提出建议</translation>
    </message>
    <message>
        <source>Typing Tutor</source>
        <translation>打字软件</translation>
    </message>
    <message>
        <source>News and updates of this program</source>
        <translation>本软件的新闻与更新</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>词典</translation>
    </message>
    <message>
        <source>Arabic-Chinese-English dictionary</source>
        <translation>阿汉英词典</translation>
    </message>
    <message>
        <source>Nuvari Web</source>
        <translation>Nuvari 网站</translation>
    </message>
    <message>
        <source>Visit the Nuvari web site</source>
        <translation>访问 Nuvari 网站</translation>
    </message>
    <message>
        <source>This program is protected by copyright law. Do not sell or modify it without permission.</source>
        <translation>本软件受著作权法保护，未经许可不得出售或修改。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>FREE Software! Powered by Nuvari!</source>
        <translation>免费软件！Nuvari 倾情奉献！</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Do you want to report the Score?</source>
        <translation>要记录这次的成绩吗？</translation>
    </message>
    <message>
        <source>Record Score</source>
        <translation>记录成绩</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Nuvari User</source>
        <translation>Nuvari 用户</translation>
    </message>
    <message>
        <source>There are not any score!
Can't report!</source>
        <translation>还没有任何成绩！
无法上报！</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Letter drills</source>
        <translation>字母练习</translation>
    </message>
    <message>
        <source>Word drills</source>
        <translation>单词练习</translation>
    </message>
    <message>
        <source>Sentence drills</source>
        <translation>句子练习</translation>
    </message>
    <message>
        <source>Practise weak keys</source>
        <translation>练习薄弱按键</translation>
    </message>
    <message>
        <source>A letter drill that asks more often for the characters you miss most</source>
        <translation>更常出现你最常打错的字符的字母练习</translation>
    </message>
    <message>
        <source>Your finished drills will appear here, with their speed and accuracy.</source>
        <translation>完成的练习会显示在这里，并附有速度和准确率。</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>准确率（%）</translation>
    </message>
    <message>
        <source>Errors per key:</source>
        <translation>每个按键的错误率：</translation>
    </message>
    <message>
        <source>not practised</source>
        <translation>未练习</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>%1: not practised yet</source>
        <translation>%1：尚未练习</translation>
    </message>
    <message>
        <source>%1: %2 presses, %3% errors</source>
        <translation>%1：按 %2 次，错误率 %3%</translation>
    </message>
    <message>
        <source>The history of your drills, %1, could not be read, so a new one was started. The old file was kept as %2.</source>
        <translation>无法读取练习记录 %1，已开始新的记录。旧文件已保存为 %2。</translation>
    </message>
    <message>
        <source>New drills cannot be kept because %1 cannot be written; the drills kept so far are shown. Make it writable, then start the tutor again.</source>
        <translation>无法写入 %1，因此新的练习无法保存；此前保存的练习仍会显示。请将其设为可写，然后重新启动本程序。</translation>
    </message>
    <message>
        <source>Your drills cannot be kept during this run because %1 cannot be written. Make it writable, then start the tutor again.</source>
        <translation>无法写入 %1，因此本次运行无法保存你的练习。请将其设为可写，然后重新启动本程序。</translation>
    </message>
    <message>
        <source>The history of your drills, %1, was written by a newer version of this program and is left as it is, so your drills are not kept during this run. Use the newer version, or move the file elsewhere to start a new history.</source>
        <translation>练习记录 %1 由本程序的较新版本写入，已保持原样，因此本次运行不保存你的练习。请使用较新版本，或将该文件移到别处以开始新的记录。</translation>
    </message>
    <message>
        <source>The history of your drills, %1, could not be read, nor moved aside to start a new one, so your drills are not kept during this run. Move or rename the file, then start the tutor again.</source>
        <translation>无法读取练习记录 %1，也无法将其移开以开始新的记录，因此本次运行不保存你的练习。请移动该文件或为其改名，然后重新启动本程序。</translation>
    </message>
    <message>
        <source>Your drills cannot be kept in %1 during this run because the SQLite driver of Qt is missing. Install it (on Debian, the package libqt6sql6-sqlite), then start the tutor again.</source>
        <translation>缺少 Qt 的 SQLite 驱动，因此本次运行无法将你的练习保存到 %1。请安装该驱动（Debian 上为软件包 libqt6sql6-sqlite），然后重新启动本程序。</translation>
    </message>
    <message>
        <source>This drill could not be kept because another program held %1 for too long. Your next drills are kept as usual.</source>
        <translation>另一个程序占用 %1 的时间过长，因此这次练习未能保存。之后的练习会照常保存。</translation>
    </message>
    <message>
        <source>Your drills cannot be kept in %1 during this run (%2). Everything else works as usual; if this happens again, move the file elsewhere to start a new history.</source>
        <translation>本次运行无法将你的练习保存到 %1（%2）。其他功能照常使用；如果再次发生，请将该文件移到别处以开始新的记录。</translation>
    </message>
    <message>
        <source>The old history, which could not be read, was kept as %1.</source>
        <translation>无法读取的旧记录已保存为 %1。</translation>
    </message>
    <message>
        <source>Your drills are not kept during this run.</source>
        <translation>本次运行不保存你的练习。</translation>
    </message>
    <message>
        <source>No words were found. The word file %1 is missing or cannot be read.</source>
        <translation>没有找到单词：单词文件 %1 不存在或无法读取。</translation>
    </message>
    <message>
        <source>No words were found. The word file %1 has no word that can be typed: every item in it is empty or too long.</source>
        <translation>没有找到单词：单词文件 %1 中没有可以练习的单词，其中的条目都是空的或太长。</translation>
    </message>
    <message>
        <source>No sentences were found. The sentence file %1 is missing or cannot be read.</source>
        <translation>没有找到句子：句子文件 %1 不存在或无法读取。</translation>
    </message>
    <message>
        <source>No sentences were found. The sentence file %1 has no sentence that can be typed: every item in it is empty or too long.</source>
        <translation>没有找到句子：句子文件 %1 中没有可以练习的句子，其中的条目都是空的或太长。</translation>
    </message>
    <message>
        <source>Don't record</source>
        <translation>不记录</translation>
    </message>
    <message>
        <source>Fewer than half of the keys in this drill were right (accuracy %1 %), so its score cannot be recorded. Type carefully first; speed comes with practice.</source>
        <translation>这次练习中正确的按键不到一半（正确率 %1%），所以成绩不能记录。请先打准，速度会随着练习提高。</translation>
    </message>
    <message>
        <source>Time since the drill started, in seconds</source>
        <translation>练习开始以来的时间，单位为秒</translation>
    </message>
    <message>
        <source>Speed in keys (letters) or characters (words, sentences) per second</source>
        <translation>速度：每秒的按键数（字母）或字符数（单词、句子）</translation>
    </message>
    <message>
        <source>Accuracy: the share of keys or characters typed right, in percent</source>
        <translation>正确率：打对的按键或字符所占的百分比</translation>
    </message>
    <message>
        <source>Score in points: speed, completion and accuracy, less 20 points for each prompt or skipped item</source>
        <translation>成绩（分）：由速度、完成度和正确率计算，每次提示或跳过扣 20 分</translation>
    </message>
    <message>
        <source>No web browser could be opened. The address is:</source>
        <translation>无法打开网页浏览器。地址是：</translation>
    </message>
    <message>
        <source>%1 joins once every key before it is mastered.</source>
        <translation>%1 将在之前的每个按键都掌握后加入。</translation>
    </message>
    <message>
        <source>%1: %2 characters per minute, %3% right</source>
        <translation>%1：每分钟 %2 个字符，正确率 %3%</translation>
    </message>
    <message>
        <source>%1: %2 of %3 characters per minute, %4% right of %5% needed</source>
        <translation>%1：每分钟 %2 个字符（目标 %3），正确率 %4%（需要 %5%）</translation>
    </message>
    <message>
        <source>%1: mastered, %2 characters per minute and %3% right</source>
        <translation>%1：已掌握，每分钟 %2 个字符，正确率 %3%</translation>
    </message>
    <message>
        <source>%1: speed not measured yet</source>
        <translation>%1：尚未测得速度</translation>
    </message>
    <message>
        <source>A key is mastered at %1 characters per minute and %2% right.</source>
        <translation>按键达到每分钟 %1 个字符且正确率 %2% 即为掌握。</translation>
    </message>
    <message>
        <source>A word drill on the keys the course has taught: most words practise the key furthest from mastered, and the next key of the course joins once every key is mastered</source>
        <translation>用课程已教过的按键进行单词练习：大多数单词练习离掌握最远的按键，所有按键都掌握后加入课程的下一个按键</translation>
    </message>
    <message>
        <source>A word drill over the words and sentences you typed with a mistake, the latest and most frequent first. Each leaves the list once typed right three times in a row.</source>
        <translation>对你打错过的单词和句子进行单词练习，最近和最常出错的优先。连续三次打对后即从列表中移除。</translation>
    </message>
    <message>
        <source>Adaptive practice</source>
        <translation>自适应练习</translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>每日目标</translation>
    </message>
    <message>
        <source>Errors per key</source>
        <translation>按键错误率</translation>
    </message>
    <message numerus="yes">
        <source>Focus key: %1. %2 of %n keys mastered.</source>
        <translation>
            <numerusform>重点按键：%1。已掌握 %n 个按键中的 %2 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>How many minutes you mean to practise each day</source>
        <translation>你打算每天练习多少分钟</translation>
    </message>
    <message>
        <source>Minutes a day:</source>
        <translation>每天分钟数：</translation>
    </message>
    <message>
        <source>Most words practise this key now.</source>
        <translation>现在大多数单词练习这个按键。</translation>
    </message>
    <message>
        <source>No word can be typed with the keys taught so far, so there is nothing to practise adaptively yet.</source>
        <translation>用目前教过的按键还打不出任何单词，所以暂时没有可以自适应练习的内容。</translation>
    </message>
    <message>
        <source>Practise adaptively</source>
        <translation>开始自适应练习</translation>
    </message>
    <message>
        <source>Practise missed words (%1)</source>
        <translation>练习打错的单词（%1）</translation>
    </message>
    <message>
        <source>Speed per key (characters per minute):</source>
        <translation>按键速度（每分钟字符数）：</translation>
    </message>
    <message>
        <source>Speed per key</source>
        <translation>按键速度</translation>
    </message>
    <message>
        <source>The last five weeks: the days you practised are marked</source>
        <translation>最近五周：练习过的日子已标出</translation>
    </message>
    <message>
        <source>Today: %1 minutes, goal reached</source>
        <translation>今天：%1 分钟，已达成目标</translation>
    </message>
    <message>
        <source>Today: %1 of %2 minutes</source>
        <translation>今天：%1 / %2 分钟</translation>
    </message>
    <message>
        <source>average of the last %1 drills</source>
        <translation>最近 %1 次练习的平均值</translation>
    </message>
    <message>
        <source>goal reached</source>
        <translation>达成目标</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未测量</translation>
    </message>
    <message>
        <source>one drill</source>
        <translation>一次练习</translation>
    </message>
    <message>
        <source>practised</source>
        <translation>已练习</translation>
    </message>
    <message>
        <source>typed %1 instead of %2: %3×</source>
        <translation>把 %2 打成了 %1：%3 次</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>学员</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>练习次数</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>本周分钟</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>最近练习</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>课程进度</translation>
    </message>
    <message>
        <source>Accuracy trend (points per week)</source>
        <translation>准确率变化（每周 百分点）</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>课程</translation>
    </message>
    <message>
        <source>Course lessons</source>
        <translation>课程练习</translation>
    </message>
    <message>
        <source>You are in the class %1 as %2.</source>
        <translation>你在班级 %1 中，名字是 %2。</translation>
    </message>
    <message>
        <source>Connecting to the class server…</source>
        <translation>正在连接班级服务器…</translation>
    </message>
    <message>
        <source>All your drills are on the class server; the last were sent at %1.</source>
        <translation>你的所有练习都已在班级服务器上；最近一次发送于 %1。</translation>
    </message>
    <message>
        <source>All your drills are on the class server.</source>
        <translation>你的所有练习都已在班级服务器上。</translation>
    </message>
    <message>
        <source>The class server has not answered since %1; your drills wait here and are sent when it answers again.</source>
        <translation>班级服务器自 %1 起没有应答；你的练习保存在本机，等它恢复应答后再发送。</translation>
    </message>
    <message>
        <source>The class server would not let you in; your drills wait here. Ask whoever set up the class to check your login and password.</source>
        <translation>班级服务器拒绝了你的登录；你的练习保存在本机。请让设置班级的人检查你的登录名和密码。</translation>
    </message>
    <message>
        <source>The class server has no class tables yet: whoever set it up must run “qirtas class --init” on it. Your drills wait here.</source>
        <translation>班级服务器上还没有班级数据表：设置它的人需要在上面运行“qirtas class --init”。你的练习保存在本机。</translation>
    </message>
    <message>
        <source>The class server would not take %1 of your drills; they stay here and are tried again when the tutor next starts.</source>
        <translation>班级服务器不接受你的 %1 次练习；它们保存在本机，下次启动时再试。</translation>
    </message>
    <message>
        <source>Sending to the class server failed; it is tried again in a while.</source>
        <translation>发送到班级服务器失败；稍后会再试。</translation>
    </message>
    <message>
        <source>Drills waiting to be sent: %1.</source>
        <translation>等待发送的练习：%1。</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>班级</translation>
    </message>
    <message>
        <source>Your drills are kept on this computer and also sent to your class, where your teacher sees them and you find them again on another computer.</source>
        <translation>你的练习保存在这台电脑上，同时发送到你的班级：老师可以看到，你在另一台电脑上也能找回。</translation>
    </message>
    <message>
        <source>Class server:</source>
        <translation>班级服务器：</translation>
    </message>
    <message>
        <source>Class code:</source>
        <translation>班级代码：</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>你的名字：</translation>
    </message>
    <message>
        <source>The class server is a PostgreSQL connection string (such as “host=… dbname=… user=…”) or a service name, as whoever set up the class gave it. A password typed here is used until the tutor closes and never kept: keep it in the file .pgpass instead.</source>
        <translation>班级服务器是一个 PostgreSQL 连接字符串（例如“host=… dbname=… user=…”）或一个服务名，由设置班级的人提供。在这里输入的密码只在本次运行中使用，从不保存：请把它放在 .pgpass 文件中。</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Leave the class</source>
        <translation>退出班级</translation>
    </message>
    <message>
        <source>Give the class server: a connection string or a service name, as whoever set up the class gave it.</source>
        <translation>请填写班级服务器：由设置班级的人提供的连接字符串或服务名。</translation>
    </message>
    <message>
        <source>The class server cannot be read as connection settings, a postgresql:// address or a service name (%1).</source>
        <translation>无法把班级服务器读作连接设置、postgresql:// 地址或服务名（%1）。</translation>
    </message>
    <message>
        <source>Give the class code your teacher gave you.</source>
        <translation>请填写老师给你的班级代码。</translation>
    </message>
    <message>
        <source>Give your name as your teacher should see it.</source>
        <translation>请填写你的名字，老师会看到这个名字。</translation>
    </message>
    <message>
        <source>Class…</source>
        <translation>班级…</translation>
    </message>
    <message>
        <source>Join a class, so that your teacher sees your drills, or leave it</source>
        <translation>加入班级，让老师看到你的练习；或退出班级</translation>
    </message>
    <message>
        <source>Your login teaches no class on this server: ask whoever set it up to give it one (qirtas.allow_teacher).</source>
        <translation>你的登录名在这台服务器上没有任教的班级：请让设置服务器的人给它分配一个（qirtas.allow_teacher）。</translation>
    </message>
    <message>
        <source>Qirtas class</source>
        <translation>Qirtas 班级</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string (such as “host=… dbname=… user=…”) or a service name. A password typed here is used for this attempt only and never kept: keep it in the file .pgpass instead.</source>
        <translation>一个 PostgreSQL 连接字符串（例如“host=… dbname=… user=…”）或一个服务名。在这里输入的密码只用于这一次连接，从不保存：请把它放在 .pgpass 文件中。</translation>
    </message>
    <message>
        <source>Open the class</source>
        <translation>打开班级</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>班级：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到：</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>Keys the class misses</source>
        <translation>全班常错的键</translation>
    </message>
    <message>
        <source>Choose a learner in the table to see their drills.</source>
        <translation>在表中选择一名学员以查看其练习。</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>服务器的回答：%1</translation>
    </message>
    <message>
        <source>No class server answers at %1. Check the server's settings and the network, then press Open again.</source>
        <translation>%1 处没有班级服务器应答。请检查服务器设置和网络，然后再按“打开”。</translation>
    </message>
    <message>
        <source>The class server at %1 would not let you in: check the user name, and the password in the file .pgpass, with whoever set up the server.</source>
        <translation>%1 处的班级服务器拒绝了你的登录：请与设置服务器的人核对用户名以及 .pgpass 文件中的密码。</translation>
    </message>
    <message>
        <source>The class tables on the server at %1 are missing or older than this program: run “qirtas class --init” on it first.</source>
        <translation>%1 处的服务器上没有班级数据表，或者数据表的版本比本程序旧：请先在上面运行“qirtas class --init”。</translation>
    </message>
    <message>
        <source>The class server at %1 could not give the figures.</source>
        <translation>%1 处的班级服务器无法给出数据。</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>正在读取班级…</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>未解锁</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>已解锁</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>已通过</translation>
    </message>
    <message>
        <source>New keys: %1</source>
        <translation>新键：%1</translation>
    </message>
    <message>
        <source>Fingers: %1</source>
        <translation>手指：%1</translation>
    </message>
    <message>
        <source>Before lesson 1: where your hands rest</source>
        <translation>第 1 课之前：双手放在哪里</translation>
    </message>
    <message>
        <source>Rest the fingers of your left hand on %1 and those of your right hand on %2, both thumbs on the space bar.</source>
        <translation>左手手指放在 %1 上，右手手指放在 %2 上，两个拇指放在空格键上。</translation>
    </message>
    <message>
        <source>Feel for the bumps on %1 and %2 without looking: each finger reaches out from its home key and comes back to it.</source>
        <translation>不看键盘，摸一摸 %1 和 %2 上的凸点：每个手指都从自己的基准键伸出去，再回到基准键。</translation>
    </message>
    <message>
        <source>Begin lesson 1</source>
        <translation>开始第 1 课</translation>
    </message>
    <message>
        <source>Your target speed:</source>
        <translation>你的目标速度：</translation>
    </message>
    <message>
        <source>each lesson's</source>
        <translation>按每课要求</translation>
    </message>
    <message>
        <source>The speed, in characters a minute, that passes every lesson; at its lowest each lesson asks for its own</source>
        <translation>通过每一课所需的速度（每分钟字符数）；调到最低时，每课按自己的要求</translation>
    </message>
    <message>
        <source>To pass: %1 characters a minute at %2 % accuracy or better</source>
        <translation>通过要求：每分钟 %1 个字符，正确率至少 %2 %</translation>
    </message>
    <message>
        <source>%1 characters a minute at %2 % accuracy</source>
        <translation>每分钟 %1 个字符，正确率 %2 %</translation>
    </message>
    <message>
        <source>Passed: %1. Lesson %2 is open.</source>
        <translation>通过：%1。第 %2 课已解锁。</translation>
    </message>
    <message>
        <source>Passed: %1. You have passed every lesson of the course.</source>
        <translation>通过：%1。你已通过课程的全部课。</translation>
    </message>
    <message>
        <source>Not passed yet: %1. This lesson asks for %2 characters a minute at %3 % accuracy.</source>
        <translation>尚未通过：%1。本课要求每分钟 %2 个字符，正确率 %3 %。</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>小指</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>无名指</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中指</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>食指</translation>
    </message>
    <message>
        <source>Thumbs</source>
        <translation>拇指</translation>
    </message>
    <message>
        <source>Home keys</source>
        <translation>基准键</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>左手小指</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>左手无名指</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>左手中指</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>左手食指</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>右手食指</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>右手中指</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>右手无名指</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>右手小指</translation>
    </message>
    <message>
        <source>thumbs</source>
        <translation>拇指</translation>
    </message>
    <message>
        <source>The home row</source>
        <translation>基准行</translation>
    </message>
    <message>
        <source>Reaching from the home row: alef, lam and tah</source>
        <translation>从基准行伸指：阿利夫、拉姆和塔</translation>
    </message>
    <message>
        <source>Lower row: waw, reh, teh marbuta and alef maksura</source>
        <translation>下排：四个常用字母</translation>
    </message>
    <message>
        <source>Ain, feh and qaf; alef with hamza</source>
        <translation>上排食指的字母和带海姆宰的阿利夫</translation>
    </message>
    <message>
        <source>Full stop, comma and question mark; dal</source>
        <translation>句号、逗号、问号和达勒</translation>
    </message>
    <message>
        <source>Heh, hah, jeem and lam-alef</source>
        <translation>上排右手的字母和拉姆阿利夫</translation>
    </message>
    <message>
        <source>Zain, sad and alef with hamza below</source>
        <translation>扎伊、萨德和海姆宰在下的阿利夫</translation>
    </message>
    <message>
        <source>Theh, khah and ghain</source>
        <translation>上排的少用字母</translation>
    </message>
    <message>
        <source>Little fingers: dad, thal and zah</source>
        <translation>小指：少用的字母</translation>
    </message>
    <message>
        <source>Hamza on the lower row, and alef with madda</source>
        <translation>下排的海姆宰和带长音符的阿利夫</translation>
    </message>
    <message>
        <source>Lam-alef with hamza and madda</source>
        <translation>带海姆宰和长音符的拉姆阿利夫</translation>
    </message>
    <message>
        <source>Exclamation mark, semicolon and colon</source>
        <translation>感叹号、分号和冒号</translation>
    </message>
    <message>
        <source>Quotation marks and the slash</source>
        <translation>引号和斜线</translation>
    </message>
    <message>
        <source>Round and square brackets</source>
        <translation>圆括号和方括号</translation>
    </message>
    <message>
        <source>Optional: tatweel, the Latin comma and rarer signs</source>
        <translation>选学：延长符、拉丁逗号和少用的符号</translation>
    </message>
    <message>
        <source>Short vowels and sukun</source>
        <translation>短元音和静符</translation>
    </message>
    <message>
        <source>Tanween and shadda</source>
        <translation>鼻音符和叠音符</translation>
    </message>
    <message>
        <source>Digits, left hand</source>
        <translation>数字：左手</translation>
    </message>
    <message>
        <source>Digits, right hand</source>
        <translation>数字：右手</translation>
    </message>
    <message>
        <source>%1 · best %2/min, %3 %</source>
        <translation>%1 · 最好 %2/分钟，%3 %</translation>
    </message>
    <message>
        <source>Characters a minute</source>
        <translation>每分钟字符数</translation>
    </message>
    <message>
        <source>Speed in characters typed a minute, from the first key</source>
        <translation>速度：从第一个按键起每分钟打出的字符数</translation>
    </message>
    <message>
        <source>Accuracy: the share of keys typed right, in percent; a wrong key is typed again</source>
        <translation>正确率：打对的按键所占的百分比；打错的键要重新打</translation>
    </message>
    <message>
        <source>Learners in the class %1: %2. Figures as the server had them at %3.</source>
        <translation>班级 %1 的学员：%2 名。数据为服务器在 %3 时的情况。</translation>
    </message>
    <message>
        <source>Impossible drills left out of the figures: %1.</source>
        <translation>因数据不可能成立而未计入统计的练习：%1。</translation>
    </message>
    <message>
        <source>No learner has sent a drill to this class yet: learners join it with Class… on the Progress tab of their tutor, giving this class code.</source>
        <translation>还没有学员向这个班级发送练习：学员在自己练习软件的“进度”页上点“班级…”，填写这个班级代码即可加入。</translation>
    </message>
    <message>
        <source>The chosen learner's drills will appear here, with their speed and accuracy.</source>
        <translation>所选学员的练习会显示在这里，并附有速度和准确率。</translation>
    </message>
    <message>
        <source>No drills from this learner between these dates.</source>
        <translation>这名学员在这段日期内没有练习。</translation>
    </message>
    <message>
        <source>No drills of this kind from this learner between these dates.</source>
        <translation>这名学员在这段日期内没有这类练习。</translation>
    </message>
    <message>
        <source>Their figures, such as a speed or a length no drill can have, cannot be right. The server took them before it began to refuse such drills; they stay on the server but count nowhere.</source>
        <translation>这些练习的数据（例如任何练习都不可能有的速度或时长）不可能正确。服务器在开始拒收此类练习之前收下了它们；它们仍保存在服务器上，但不计入任何统计。</translation>
    </message>
    <message>
        <source>Spreadsheet table (*.csv)</source>
        <translation>电子表格 (*.csv)</translation>
    </message>
    <message>
        <source>The table was saved as %1.</source>
        <translation>表格已保存为 %1。</translation>
    </message>
    <message>
        <source>The table could not be saved as %1 (%2).</source>
        <translation>无法把表格保存为 %1（%2）。</translation>
    </message>
    <message>
        <source>Keys this learner misses</source>
        <translation>这名学员常错的键</translation>
    </message>
    <message>
        <source>The disk that holds the history of your drills, %1, is full, so nothing new can be kept until space is freed there; what was kept so far is shown. Free some space (delete or move files you no longer need): new drills are kept again as soon as there is room.</source>
        <translation>保存练习记录 %1 的磁盘已满，在腾出空间之前无法保存任何新内容；此前保存的内容仍会显示。请腾出一些空间（删除或移走不再需要的文件）：一旦有了空间，新的练习就会重新保存。</translation>
    </message>
    <message>
        <source>The disk that holds the history of your drills, %1, is full, so nothing new can be kept until space is freed there. Free some space (delete or move files you no longer need): your drills are kept again as soon as there is room.</source>
        <translation>保存练习记录 %1 的磁盘已满，在腾出空间之前无法保存任何新内容。请腾出一些空间（删除或移走不再需要的文件）：一旦有了空间，你的练习就会重新保存。</translation>
    </message>
    <message>
        <source>Your pass of lesson %1 is not kept yet: it is kept as soon as there is room, if the tutor is still open then.</source>
        <translation>你通过第 %1 课的成绩尚未保存：一旦有了空间就会保存，前提是那时本程序仍在运行。</translation>
    </message>
    <message>
        <source>Your pass of lesson %1 could not be kept because the disk that holds the history of your drills is full: after a restart the lesson is not passed, and it has to be passed again.</source>
        <translation>由于保存练习记录的磁盘已满，你通过第 %1 课的成绩未能保存：重新启动后该课将显示为未通过，需要再次通过。</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>每分钟词数</translation>
    </message>
    <message>
        <source>The speed, in words a minute, that passes every lesson; at its lowest each lesson asks for its own</source>
        <translation>通过每一课所需的速度（每分钟词数）；调到最低时，每课按自己的要求</translation>
    </message>
    <message>
        <source>Speed in words typed a minute, a word being %1 characters, from the first key</source>
        <translation>速度：从第一个按键起每分钟打出的词数（每 %1 个字符算一个词）</translation>
    </message>
    <message>
        <source>To pass: %1 words a minute at %2 % accuracy or better</source>
        <translation>通过要求：每分钟 %1 个词，正确率至少 %2 %</translation>
    </message>
    <message>
        <source>%1 words a minute at %2 % accuracy</source>
        <translation>每分钟 %1 个词，正确率 %2 %</translation>
    </message>
    <message>
        <source>Not passed yet: %1. This lesson asks for %2 words a minute at %3 % accuracy.</source>
        <translation>尚未通过：%1。本课要求每分钟 %2 个词，正确率 %3 %。</translation>
    </message>
    <message>
        <source>%1 · best %2 words/min, %3 %</source>
        <translation>%1 · 最好 %2 词/分钟，%3 %</translation>
    </message>
    <message>
        <source>%1: %2 words a minute, %3% right</source>
        <translation>%1：每分钟 %2 个词，正确率 %3%</translation>
    </message>
    <message>
        <source>Speed per key (words a minute):</source>
        <translation>按键速度（每分钟词数）：</translation>
    </message>
    <message>
        <source>%1: mastered, %2 words a minute and %3% right</source>
        <translation>%1：已掌握，每分钟 %2 个词，正确率 %3%</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words a minute, %4% right of %5% needed</source>
        <translation>%1：每分钟 %2 个词（目标 %3），正确率 %4%（需要 %5%）</translation>
    </message>
    <message>
        <source>A key is mastered at %1 words a minute and %2% right.</source>
        <translation>按键达到每分钟 %1 个词且正确率 %2% 即为掌握。</translation>
    </message>
    <message>
        <source>Speed (characters a minute)</source>
        <translation>速度（每分钟字符数）</translation>
    </message>
    <message>
        <source>Speed (words a minute)</source>
        <translation>速度（每分钟词数）</translation>
    </message>
    <message>
        <source>Speed trend (characters a minute per week)</source>
        <translation>每周速度变化（每分钟字符数）</translation>
    </message>
    <message>
        <source>Speed trend (words a minute per week)</source>
        <translation>每周速度变化（每分钟词数）</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>The size of the windows and their texts. A new size takes effect the next time the program starts.</source>
        <translation>窗口及其文字的大小。新的大小在下次启动程序时生效。</translation>
    </message>
    <message>
        <source>Speed unit:</source>
        <translation>速度单位：</translation>
    </message>
    <message>
        <source>The unit of the speeds on the Course and Progress tabs and in the teacher's window; a word counts as %1 characters, spaces included. The drills' own Speed field keeps its keys or characters a second.</source>
        <translation>课程和进度标签页以及教师窗口中速度的单位；一个词按 %1 个字符计算，空格也算在内。练习自己的速度栏仍显示每秒的按键数或字符数。</translation>
    </message>
    <message>
        <source>The windows will have the new size the next time the program starts.</source>
        <translation>下次启动程序时，窗口将使用新的大小。</translation>
    </message>
    <message>
        <source>Speed (characters per second)</source>
        <translation>速度（每秒字符数）</translation>
    </message>
    <message>
        <source>Speed (keys/s)</source>
        <translation>速度（键/秒）</translation>
    </message>
    <message>
        <source>Speed trend (keys/s per week)</source>
        <translation>速度变化（每周 键/秒）</translation>
    </message>
    <message>
        <source>Text drills</source>
        <translation>短文练习</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>短文</translation>
    </message>
    <message>
        <source>Paste a text</source>
        <translation>粘贴文本</translation>
    </message>
    <message>
        <source>Paste an Arabic text of your own to practise; it is kept for next time</source>
        <translation>粘贴一段你自己的阿拉伯语文本来练习；它会保存下来，下次还能用</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Practise the Arabic text of a UTF-8 text file (.txt); it is kept for next time</source>
        <translation>练习 UTF-8 文本文件（.txt）中的阿拉伯语文本；它会保存下来，下次还能用</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Remove the text of your own chosen in the list</source>
        <translation>删除列表中选中的你自己的文本</translation>
    </message>
    <message>
        <source>Your texts could not be read from %1, so that file was kept as %2 and your texts start afresh.</source>
        <translation>无法从 %1 读取你的文本，因此该文件已另存为 %2，你的文本列表重新开始。</translation>
    </message>
    <message>
        <source>Your text %1</source>
        <translation>我的文本 %1</translation>
    </message>
    <message>
        <source>Your text %1 (%2 lines)</source>
        <translation>我的文本 %1（共 %2 行）</translation>
    </message>
    <message>
        <source>%1 (%2 lines)</source>
        <translation>%1（共 %2 行）</translation>
    </message>
    <message>
        <source>Paste the Arabic text you want to practise:</source>
        <translation>粘贴你想练习的阿拉伯语文本：</translation>
    </message>
    <message>
        <source>Open a text</source>
        <translation>打开文本</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>This text is too long to practise: a text may have at most %1 characters.</source>
        <translation>这段文本太长，无法练习：一段文本最多只能有 %1 个字符。</translation>
    </message>
    <message>
        <source>The file %1 is too large to practise: a text file may have at most %2 KB and %3 characters.</source>
        <translation>文件 %1 太大，无法练习：文本文件最多只能有 %2 KB、%3 个字符。</translation>
    </message>
    <message>
        <source>The file %1 is not a text file. Choose a text file (.txt) saved as UTF-8.</source>
        <translation>文件 %1 不是文本文件。请选择以 UTF-8 编码保存的文本文件（.txt）。</translation>
    </message>
    <message>
        <source>The file %1 is not saved as UTF-8. Save it as UTF-8 in your text editor and open it again.</source>
        <translation>文件 %1 不是以 UTF-8 编码保存的。请在文本编辑器中把它另存为 UTF-8，然后再打开。</translation>
    </message>
    <message>
        <source>There is nothing to type in this text.</source>
        <translation>这段文本中没有可以输入的内容。</translation>
    </message>
    <message>
        <source>This text has characters that no key of the Arabic keyboard types: %1. Take them out and try again.</source>
        <translation>这段文本中有阿拉伯语键盘上任何键都打不出的字符：%1。请删掉它们后再试。</translation>
    </message>
    <message>
        <source>Your text could not be kept because the disk that holds your data is full: you can practise it now, but after a restart it is gone. The texts kept before are safe.</source>
        <translation>保存你的数据的磁盘已满，你的文本无法保存：你现在可以练习它，但重新启动后它就没有了。之前保存的文本不受影响。</translation>
    </message>
    <message>
        <source>Your text could not be kept in %1: you can practise it now, but after a restart it is gone. The texts kept before are safe.</source>
        <translation>你的文本无法保存到 %1：你现在可以练习它，但重新启动后它就没有了。之前保存的文本不受影响。</translation>
    </message>
    <message>
        <source>Remove this text of your own? It cannot be brought back.</source>
        <translation>要删除你自己的这段文本吗？删除后无法恢复。</translation>
    </message>
    <message>
        <source>The text is removed for now, but your texts file %1 could not be written: after a restart the text is back.</source>
        <translation>这段文本暂时删除了，但无法写入你的文本文件 %1：重新启动后它还会出现。</translation>
    </message>
    <message>
        <source>The whole text is typed: %1.</source>
        <translation>整篇文本输入完毕：%1。</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>This program teaches you to type Arabic by touch on the keyboard you have: it turns your keys into the Arabic layout, so there is nothing to install. Drills of letters, words and sentences, a course that begins on the home row, and practice of your weak keys take you there.</source>
        <translation>本软件教你用自己的键盘盲打阿拉伯文：它把你的按键转换为阿拉伯文键盘布局，无需安装任何东西。字母、单词和句子练习、从基准行开始的课程，以及针对薄弱按键的练习，会带你一步步学会。</translation>
    </message>
    <message>
        <source>Where would you like to begin?</source>
        <translation>你想从哪里开始？</translation>
    </message>
    <message>
        <source>I am new to touch typing: start the course at lesson 1</source>
        <translation>我刚接触盲打：从课程第 1 课开始</translation>
    </message>
    <message>
        <source>I can already type: go to the drills</source>
        <translation>我已经会打字：直接去练习</translation>
    </message>
    <message>
        <source>Interface language:</source>
        <translation>界面语言：</translation>
    </message>
    <message>
        <source>You can change the language and the keyboard later on the Settings tab.</source>
        <translation>以后可以在“设置”页更改语言和键盘。</translation>
    </message>
    <message>
        <source>Show the next key</source>
        <translation>显示下一个键</translation>
    </message>
    <message>
        <source>Adaptive practice: focus %1</source>
        <translation>自适应练习：重点键 %1</translation>
    </message>
    <message>
        <source>Missed words and sentences</source>
        <translation>打错的单词和句子</translation>
    </message>
    <message>
        <source>List:</source>
        <translation>列表：</translation>
    </message>
    <message>
        <source>Built-in words</source>
        <translation>内置单词</translation>
    </message>
    <message>
        <source>Built-in sentences</source>
        <translation>内置句子</translation>
    </message>
    <message>
        <source>The list this drill takes its items from: the built-in one, or a list you saved in your data folder with the content editor.</source>
        <translation>本练习的内容取自这个列表：内置列表，或你用内容编辑器保存在数据文件夹中的列表。</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read: %2.</source>
        <translation>无法读取列表文件 %1：%2。</translation>
    </message>
    <message>
        <source>The list file %1 is damaged: its data is incomplete.</source>
        <translation>列表文件 %1 已损坏：其中的数据不完整。</translation>
    </message>
    <message>
        <source>The list file %1 has no item that can be typed: it is empty, or every item in it is blank or too long.</source>
        <translation>列表文件 %1 中没有可以练习的条目：文件是空的，或其中的条目都是空白的或太长。</translation>
    </message>
    <message>
        <source>The built-in word list is used instead.</source>
        <translation>现在改用内置单词表。</translation>
    </message>
    <message>
        <source>The built-in sentence list is used instead.</source>
        <translation>现在改用内置句子表。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>arabic</source>
        <translation>阿语</translation>
    </message>
    <message>
        <source>explain</source>
        <translation>解释</translation>
    </message>
    <message>
        <source>url</source>
        <translation>网址</translation>
    </message>
</context>
</TS>
