<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Dialog</name>
    <message>
        <source>Nuvari Arabic typing software</source>
        <translation>برنامج نوفاري لتعليم الطباعة العربية</translation>
    </message>
    <message>
        <source>ttt</source>
        <translation>ttt</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Only Letters</source>
        <translation>الحروف فقط</translation>
    </message>
    <message>
        <source>Symbol and Number</source>
        <translation>الرموز والأرقام</translation>
    </message>
    <message>
        <source>Random Mode</source>
        <translation>ترتيب عشوائي</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Click Start button to start...</source>
        <translation>انقر زر «ابدأ» لبدء التمرين...</translation>
    </message>
    <message>
        <source>Press [F2] to prompting</source>
        <translation>اضغط [F2] لعرض التلميح</translation>
    </message>
    <message>
        <source>Press [Enter] go to next content !</source>
        <translation>اضغط [Enter] للانتقال إلى العنصر التالي!</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>الجمل</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>Keyboard Type</source>
        <translation>نوع لوحة المفاتيح</translation>
    </message>
    <message>
        <source>101 Key</source>
        <translation>101 مفتاح</translation>
    </message>
    <message>
        <source>102 Key</source>
        <translation>102 مفتاح</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>Display complain</source>
        <translation>عرض الشرح</translation>
    </message>
    <message>
        <source>Harakat are optional</source>
        <translation>الحركات اختيارية</translation>
    </message>
    <message>
        <source>A haraka may be typed or left out; typed, it must be the right one. A tatweel is never needed. The course's harakat lessons still ask for every mark.</source>
        <translation>يمكنك كتابة الحركة أو تركها، فإن كتبتها فيجب أن تكون الصحيحة. ولا يلزم التطويل أبدًا. أما دروس الحركات فتطلب كتابة كل حركة.</translation>
    </message>
    <message>
        <source>Item Count</source>
        <translation>عدد العناصر</translation>
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
        <translation>أفضل نتائج لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Word Score Top</source>
        <translation>أفضل نتائج الكلمات</translation>
    </message>
    <message>
        <source>Sentence Score Top</source>
        <translation>أفضل نتائج الجمل</translation>
    </message>
    <message>
        <source>Score display</source>
        <translation>لوحة النتائج</translation>
    </message>
    <message>
        <source>Report Score</source>
        <translation>إرسال النتائج</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Released on %1</source>
        <translation>تاريخ الإصدار: %1</translation>
    </message>
    <message>
        <source>Based on Qt %1</source>
        <translation>مبني على Qt %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Nuvari Soft</source>
        <translation>حقوق النشر ‎© 2026 Nuvari Soft</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>البريد الإلكتروني: %1</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Arabic translation service</source>
        <translation>خدمة الترجمة من العربية وإليها</translation>
    </message>
    <message>
        <source>Input Method</source>
        <translation>لوحة الإدخال</translation>
    </message>
    <message>
        <source>Arabic input method for Windows</source>
        <translation>طريقة إدخال عربية لنظام Windows</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ملاحظات واقتراحات</translation>
    </message>
    <message>
        <source>Report a problem or make a suggestion</source>
        <translation>أبلغ عن مشكلة أو قدّم اقتراحًا</translation>
    </message>
    <message>
        <source>Typing Tutor</source>
        <translation>برنامج تعليم الطباعة</translation>
    </message>
    <message>
        <source>News and updates of this program</source>
        <translation>أخبار هذا البرنامج وتحديثاته</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>القاموس</translation>
    </message>
    <message>
        <source>Arabic-Chinese-English dictionary</source>
        <translation>قاموس عربي صيني إنجليزي</translation>
    </message>
    <message>
        <source>Nuvari Web</source>
        <translation>موقع نوفاري</translation>
    </message>
    <message>
        <source>Visit the Nuvari web site</source>
        <translation>زُر موقع نوفاري على الإنترنت</translation>
    </message>
    <message>
        <source>This program is protected by copyright law. Do not sell or modify it without permission.</source>
        <translation>هذا البرنامج محمي بموجب قانون حقوق النشر. لا يجوز بيعه أو تعديله دون إذن.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>FREE Software! Powered by Nuvari!</source>
        <translation>برنامج مجاني! بدعم من نوفاري!</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Do you want to report the Score?</source>
        <translation>هل تريد تسجيل هذه النتيجة؟</translation>
    </message>
    <message>
        <source>Record Score</source>
        <translation>تسجيل النتيجة</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <source>Nuvari User</source>
        <translation>مستخدم نوفاري</translation>
    </message>
    <message>
        <source>There are not any score!
Can't report!</source>
        <translation>لا توجد أي نتائج بعد!
لا يمكن إرسالها!</translation>
    </message>
    <message>
        <source>No web browser could be opened. The address is:</source>
        <translation>تعذّر فتح متصفح الويب. العنوان هو:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Letter drills</source>
        <translation>تمارين الحروف</translation>
    </message>
    <message>
        <source>Word drills</source>
        <translation>تمارين الكلمات</translation>
    </message>
    <message>
        <source>Sentence drills</source>
        <translation>تمارين الجمل</translation>
    </message>
    <message>
        <source>Practise weak keys</source>
        <translation>تدرّب على المفاتيح الضعيفة</translation>
    </message>
    <message>
        <source>A letter drill that asks more often for the characters you miss most</source>
        <translation>تمرين حروف يسألك أكثر عن الحروف التي تخطئ فيها أكثر</translation>
    </message>
    <message>
        <source>Your finished drills will appear here, with their speed and accuracy.</source>
        <translation>ستظهر هنا تمارينك المنتهية، مع سرعتها ودقتها.</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>الدقة (%)</translation>
    </message>
    <message>
        <source>Errors per key:</source>
        <translation>الأخطاء لكل مفتاح:</translation>
    </message>
    <message>
        <source>not practised</source>
        <translation>لم يُتدرَّب عليه</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>%1: not practised yet</source>
        <translation>%1: لم يُتدرَّب عليه بعد</translation>
    </message>
    <message>
        <source>%1: %2 presses, %3% errors</source>
        <translation>%1: %2 ضغطة، أخطاء %3%</translation>
    </message>
    <message>
        <source>The history of your drills, %1, could not be read, so a new one was started. The old file was kept as %2.</source>
        <translation>تعذّرت قراءة سجل تمارينك %1، فبُدئ سجل جديد. حُفظ الملف القديم باسم %2.</translation>
    </message>
    <message>
        <source>New drills cannot be kept because %1 cannot be written; the drills kept so far are shown. Make it writable, then start the tutor again.</source>
        <translation>لا يمكن حفظ التمارين الجديدة لأن الكتابة في %1 غير ممكنة؛ تُعرض التمارين المحفوظة حتى الآن. اجعله قابلاً للكتابة، ثم أعد تشغيل البرنامج.</translation>
    </message>
    <message>
        <source>Your drills cannot be kept during this run because %1 cannot be written. Make it writable, then start the tutor again.</source>
        <translation>لا يمكن حفظ تمارينك خلال هذا التشغيل لأن الكتابة في %1 غير ممكنة. اجعله قابلاً للكتابة، ثم أعد تشغيل البرنامج.</translation>
    </message>
    <message>
        <source>The history of your drills, %1, was written by a newer version of this program and is left as it is, so your drills are not kept during this run. Use the newer version, or move the file elsewhere to start a new history.</source>
        <translation>سجل تمارينك %1 كتبه إصدار أحدث من هذا البرنامج وقد تُرك كما هو، لذا لا تُحفظ تمارينك خلال هذا التشغيل. استخدم الإصدار الأحدث، أو انقل الملف إلى مكان آخر لبدء سجل جديد.</translation>
    </message>
    <message>
        <source>The history of your drills, %1, could not be read, nor moved aside to start a new one, so your drills are not kept during this run. Move or rename the file, then start the tutor again.</source>
        <translation>تعذّرت قراءة سجل تمارينك %1، وتعذّر نقله جانباً لبدء سجل جديد، لذا لا تُحفظ تمارينك خلال هذا التشغيل. انقل الملف أو غيّر اسمه، ثم أعد تشغيل البرنامج.</translation>
    </message>
    <message>
        <source>Your drills cannot be kept in %1 during this run because the SQLite driver of Qt is missing. Install it (on Debian, the package libqt6sql6-sqlite), then start the tutor again.</source>
        <translation>لا يمكن حفظ تمارينك في %1 خلال هذا التشغيل لأن برنامج تشغيل SQLite الخاص بـ Qt مفقود. ثبّته (في Debian: الحزمة libqt6sql6-sqlite)، ثم أعد تشغيل البرنامج.</translation>
    </message>
    <message>
        <source>This drill could not be kept because another program held %1 for too long. Your next drills are kept as usual.</source>
        <translation>تعذّر حفظ هذا التمرين لأن برنامجاً آخر شغل %1 مدة طويلة. تُحفظ تمارينك التالية كالمعتاد.</translation>
    </message>
    <message>
        <source>Your drills cannot be kept in %1 during this run (%2). Everything else works as usual; if this happens again, move the file elsewhere to start a new history.</source>
        <translation>لا يمكن حفظ تمارينك في %1 خلال هذا التشغيل (%2). كل ما عدا ذلك يعمل كالمعتاد؛ وإن تكرر ذلك، فانقل الملف إلى مكان آخر لبدء سجل جديد.</translation>
    </message>
    <message>
        <source>The old history, which could not be read, was kept as %1.</source>
        <translation>حُفظ السجل القديم الذي تعذّرت قراءته باسم %1.</translation>
    </message>
    <message>
        <source>Your drills are not kept during this run.</source>
        <translation>لا تُحفظ تمارينك خلال هذا التشغيل.</translation>
    </message>
    <message>
        <source>No words were found. The word file %1 is missing or cannot be read.</source>
        <translation>لم يُعثر على أي كلمات. ملف الكلمات %1 مفقود أو تتعذّر قراءته.</translation>
    </message>
    <message>
        <source>No words were found. The word file %1 has no word that can be typed: every item in it is empty or too long.</source>
        <translation>لم يُعثر على أي كلمات. لا يحتوي ملف الكلمات %1 على كلمة يمكن كتابتها: كل عناصره فارغة أو طويلة جدًا.</translation>
    </message>
    <message>
        <source>No sentences were found. The sentence file %1 is missing or cannot be read.</source>
        <translation>لم يُعثر على أي جمل. ملف الجمل %1 مفقود أو تتعذّر قراءته.</translation>
    </message>
    <message>
        <source>No sentences were found. The sentence file %1 has no sentence that can be typed: every item in it is empty or too long.</source>
        <translation>لم يُعثر على أي جمل. لا يحتوي ملف الجمل %1 على جملة يمكن كتابتها: كل عناصره فارغة أو طويلة جدًا.</translation>
    </message>
    <message>
        <source>Don't record</source>
        <translation>لا تسجّل</translation>
    </message>
    <message>
        <source>Fewer than half of the keys in this drill were right (accuracy %1 %), so its score cannot be recorded. Type carefully first; speed comes with practice.</source>
        <translation>أقل من نصف المفاتيح في هذا التمرين كانت صحيحة (الدقة %1٪)، لذلك لا يمكن تسجيل نتيجته. اكتب بعناية أولًا، فالسرعة تأتي بالتمرين.</translation>
    </message>
    <message>
        <source>Time since the drill started, in seconds</source>
        <translation>الوقت منذ بدء التمرين، بالثواني</translation>
    </message>
    <message>
        <source>Speed in keys (letters) or characters (words, sentences) per second</source>
        <translation>السرعة بعدد المفاتيح (الحروف) أو المحارف (الكلمات والجمل) في الثانية</translation>
    </message>
    <message>
        <source>Accuracy: the share of keys or characters typed right, in percent</source>
        <translation>الدقة: نسبة المفاتيح أو المحارف المكتوبة صحيحة، بالمئة</translation>
    </message>
    <message>
        <source>Score in points: speed, completion and accuracy, less 20 points for each prompt or skipped item</source>
        <translation>النتيجة بالنقاط: من السرعة والإنجاز والدقة، ناقص 20 نقطة لكل تلميح أو عنصر متخطّى</translation>
    </message>
    <message>
        <source>%1 joins once every key before it is mastered.</source>
        <translation>ينضمّ %1 بعد إتقان كل المفاتيح التي قبله.</translation>
    </message>
    <message>
        <source>%1: %2 characters per minute, %3% right</source>
        <translation>%1: %2 حرفًا في الدقيقة، %3% صحيحة</translation>
    </message>
    <message>
        <source>%1: %2 of %3 characters per minute, %4% right of %5% needed</source>
        <translation>%1: %2 من %3 حرفًا في الدقيقة، و%4% صحيحة من %5% مطلوبة</translation>
    </message>
    <message>
        <source>%1: mastered, %2 characters per minute and %3% right</source>
        <translation>%1: متقَن، %2 حرفًا في الدقيقة و%3% صحيحة</translation>
    </message>
    <message>
        <source>%1: speed not measured yet</source>
        <translation>%1: لم تُقَس السرعة بعد</translation>
    </message>
    <message>
        <source>A key is mastered at %1 characters per minute and %2% right.</source>
        <translation>يُعدّ المفتاح متقَنًا عند %1 حرفًا في الدقيقة و%2% صحيحة.</translation>
    </message>
    <message>
        <source>A word drill on the keys the course has taught: most words practise the key furthest from mastered, and the next key of the course joins once every key is mastered</source>
        <translation>تمرين كلمات على المفاتيح التي علّمتها الدورة: معظم الكلمات تتدرّب على المفتاح الأبعد عن الإتقان، ويُضاف مفتاح الدورة التالي حين تُتقَن المفاتيح كلها</translation>
    </message>
    <message>
        <source>A word drill over the words and sentences you typed with a mistake, the latest and most frequent first. Each leaves the list once typed right three times in a row.</source>
        <translation>تمرين كلمات على الكلمات والجمل التي كتبتها بخطأ، الأحدث والأكثر تكرارًا أولًا. تخرج كل منها من القائمة بعد كتابتها صحيحة ثلاث مرات متتالية.</translation>
    </message>
    <message>
        <source>Adaptive practice</source>
        <translation>التدريب التكيّفي</translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>الهدف اليومي</translation>
    </message>
    <message>
        <source>Errors per key</source>
        <translation>الأخطاء لكل مفتاح</translation>
    </message>
    <message numerus="yes">
        <source>Focus key: %1. %2 of %n keys mastered.</source>
        <translation>
            <numerusform>المفتاح المركَّز عليه: %1. أُتقِن %2 من %n مفتاح.</numerusform>
            <numerusform>المفتاح المركَّز عليه: %1. أُتقِن %2 من مفتاح واحد.</numerusform>
            <numerusform>المفتاح المركَّز عليه: %1. أُتقِن %2 من مفتاحين.</numerusform>
            <numerusform>المفتاح المركَّز عليه: %1. أُتقِن %2 من %n مفاتيح.</numerusform>
            <numerusform>المفتاح المركَّز عليه: %1. أُتقِن %2 من %n مفتاحًا.</numerusform>
            <numerusform>المفتاح المركَّز عليه: %1. أُتقِن %2 من %n مفتاح.</numerusform>
        </translation>
    </message>
    <message>
        <source>How many minutes you mean to practise each day</source>
        <translation>كم دقيقة تنوي أن تتدرّب كل يوم</translation>
    </message>
    <message>
        <source>Minutes a day:</source>
        <translation>دقائق في اليوم:</translation>
    </message>
    <message>
        <source>Most words practise this key now.</source>
        <translation>معظم الكلمات تتدرّب على هذا المفتاح الآن.</translation>
    </message>
    <message>
        <source>No word can be typed with the keys taught so far, so there is nothing to practise adaptively yet.</source>
        <translation>لا يمكن كتابة أي كلمة بالمفاتيح التي تعلّمتها حتى الآن، فلا شيء للتدريب التكيّفي بعد.</translation>
    </message>
    <message>
        <source>Practise adaptively</source>
        <translation>تدرّب تدريبًا تكيّفيًا</translation>
    </message>
    <message>
        <source>Practise missed words (%1)</source>
        <translation>تدرّب على الكلمات الخاطئة (%1)</translation>
    </message>
    <message>
        <source>Speed per key (characters per minute):</source>
        <translation>السرعة لكل مفتاح (حرف في الدقيقة):</translation>
    </message>
    <message>
        <source>Speed per key</source>
        <translation>السرعة لكل مفتاح</translation>
    </message>
    <message>
        <source>The last five weeks: the days you practised are marked</source>
        <translation>آخر خمسة أسابيع: الأيام التي تدرّبت فيها معلَّمة</translation>
    </message>
    <message>
        <source>Today: %1 minutes, goal reached</source>
        <translation>اليوم: %1 دقيقة، تحقّق الهدف</translation>
    </message>
    <message>
        <source>Today: %1 of %2 minutes</source>
        <translation>اليوم: %1 من %2 دقيقة</translation>
    </message>
    <message>
        <source>average of the last %1 drills</source>
        <translation>متوسط آخر %1 تمارين</translation>
    </message>
    <message>
        <source>goal reached</source>
        <translation>تحقّق الهدف</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>لم تُقَس</translation>
    </message>
    <message>
        <source>one drill</source>
        <translation>تمرين واحد</translation>
    </message>
    <message>
        <source>practised</source>
        <translation>تدرّبت</translation>
    </message>
    <message>
        <source>typed %1 instead of %2: %3×</source>
        <translation>كُتب %1 بدل %2: %3 مرة</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>المتعلّم</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>التمارين</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>دقائق هذا الأسبوع</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>آخر نشاط</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>الدرس</translation>
    </message>
    <message>
        <source>Accuracy trend (points per week)</source>
        <translation>تغيّر الدقة (نقاط مئوية في الأسبوع)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>الدورة</translation>
    </message>
    <message>
        <source>Course lessons</source>
        <translation>دروس الدورة</translation>
    </message>
    <message>
        <source>You are in the class %1 as %2.</source>
        <translation>أنت في الصف %1 باسم %2.</translation>
    </message>
    <message>
        <source>Connecting to the class server…</source>
        <translation>جارٍ الاتصال بخادم الصف…</translation>
    </message>
    <message>
        <source>All your drills are on the class server; the last were sent at %1.</source>
        <translation>كل تمارينك على خادم الصف؛ أُرسل آخرها في %1.</translation>
    </message>
    <message>
        <source>All your drills are on the class server.</source>
        <translation>كل تمارينك على خادم الصف.</translation>
    </message>
    <message>
        <source>The class server has not answered since %1; your drills wait here and are sent when it answers again.</source>
        <translation>لم يستجب خادم الصف منذ %1؛ تنتظر تمارينك هنا وتُرسل حين يستجيب من جديد.</translation>
    </message>
    <message>
        <source>The class server would not let you in; your drills wait here. Ask whoever set up the class to check your login and password.</source>
        <translation>رفض خادم الصف دخولك؛ تنتظر تمارينك هنا. اطلب ممن أعدّ الصف أن يتحقق من اسم الدخول وكلمة المرور.</translation>
    </message>
    <message>
        <source>The class server has no class tables yet: whoever set it up must run “qirtas class --init” on it. Your drills wait here.</source>
        <translation>لا توجد جداول الصف على الخادم بعد: على من أعدّه أن يشغّل عليه «qirtas class --init». تنتظر تمارينك هنا.</translation>
    </message>
    <message>
        <source>The class server would not take %1 of your drills; they stay here and are tried again when the tutor next starts.</source>
        <translation>لم يقبل خادم الصف %1 من تمارينك؛ تبقى هنا ويُعاد إرسالها عند التشغيل التالي للبرنامج.</translation>
    </message>
    <message>
        <source>Sending to the class server failed; it is tried again in a while.</source>
        <translation>تعذّر الإرسال إلى خادم الصف؛ ستُعاد المحاولة بعد قليل.</translation>
    </message>
    <message>
        <source>Drills waiting to be sent: %1.</source>
        <translation>التمارين التي تنتظر الإرسال: %1.</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>الصف</translation>
    </message>
    <message>
        <source>Your drills are kept on this computer and also sent to your class, where your teacher sees them and you find them again on another computer.</source>
        <translation>تُحفظ تمارينك على هذا الحاسوب وتُرسل أيضًا إلى صفك، حيث يراها معلمك وتجدها مرة أخرى على حاسوب آخر.</translation>
    </message>
    <message>
        <source>Class server:</source>
        <translation>خادم الصف:</translation>
    </message>
    <message>
        <source>Class code:</source>
        <translation>رمز الصف:</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>اسمك:</translation>
    </message>
    <message>
        <source>The class server is a PostgreSQL connection string (such as “host=… dbname=… user=…”) or a service name, as whoever set up the class gave it. A password typed here is used until the tutor closes and never kept: keep it in the file .pgpass instead.</source>
        <translation>خادم الصف سلسلة اتصال PostgreSQL (مثل «host=… dbname=… user=…») أو اسم خدمة، كما أعطاكه من أعدّ الصف. كلمة المرور المكتوبة هنا تُستعمل حتى يُغلق البرنامج ولا تُحفظ أبدًا: احفظها في الملف ‎.pgpass بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>انضمّ</translation>
    </message>
    <message>
        <source>Leave the class</source>
        <translation>غادر الصف</translation>
    </message>
    <message>
        <source>Give the class server: a connection string or a service name, as whoever set up the class gave it.</source>
        <translation>اكتب خادم الصف: سلسلة اتصال أو اسم خدمة، كما أعطاكه من أعدّ الصف.</translation>
    </message>
    <message>
        <source>The class server cannot be read as connection settings, a postgresql:// address or a service name (%1).</source>
        <translation>تعذّرت قراءة خادم الصف كإعدادات اتصال أو عنوان postgresql://‎ أو اسم خدمة (%1).</translation>
    </message>
    <message>
        <source>Give the class code your teacher gave you.</source>
        <translation>اكتب رمز الصف الذي أعطاك إياه معلمك.</translation>
    </message>
    <message>
        <source>Give your name as your teacher should see it.</source>
        <translation>اكتب اسمك كما ينبغي أن يراه معلمك.</translation>
    </message>
    <message>
        <source>Class…</source>
        <translation>الصف…</translation>
    </message>
    <message>
        <source>Join a class, so that your teacher sees your drills, or leave it</source>
        <translation>انضمّ إلى صف ليرى معلمك تمارينك، أو غادره</translation>
    </message>
    <message>
        <source>Your login teaches no class on this server: ask whoever set it up to give it one (qirtas.allow_teacher).</source>
        <translation>لا يدرّس اسم دخولك أي صف على هذا الخادم: اطلب ممن أعدّه أن يخصص له صفًا (qirtas.allow_teacher).</translation>
    </message>
    <message>
        <source>Qirtas class</source>
        <translation>صف قرطاس</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string (such as “host=… dbname=… user=…”) or a service name. A password typed here is used for this attempt only and never kept: keep it in the file .pgpass instead.</source>
        <translation>سلسلة اتصال PostgreSQL (مثل «host=… dbname=… user=…») أو اسم خدمة. كلمة المرور المكتوبة هنا تُستعمل في هذه المحاولة وحدها ولا تُحفظ أبدًا: احفظها في الملف ‎.pgpass بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>Open the class</source>
        <translation>افتح الصف</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>الصف:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>تصدير CSV…</translation>
    </message>
    <message>
        <source>Keys the class misses</source>
        <translation>المفاتيح التي يخطئ فيها الصف</translation>
    </message>
    <message>
        <source>Choose a learner in the table to see their drills.</source>
        <translation>اختر متعلمًا في الجدول لترى تمارينه.</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>قال الخادم: %1</translation>
    </message>
    <message>
        <source>No class server answers at %1. Check the server's settings and the network, then press Open again.</source>
        <translation>لا يستجيب أي خادم صف في %1. تحقّق من إعدادات الخادم ومن الشبكة، ثم اضغط «افتح» مرة أخرى.</translation>
    </message>
    <message>
        <source>The class server at %1 would not let you in: check the user name, and the password in the file .pgpass, with whoever set up the server.</source>
        <translation>رفض خادم الصف في %1 دخولك: راجع اسم المستخدم وكلمة المرور في الملف ‎.pgpass مع من أعدّ الخادم.</translation>
    </message>
    <message>
        <source>The class tables on the server at %1 are missing or older than this program: run “qirtas class --init” on it first.</source>
        <translation>جداول الصف على الخادم في %1 غير موجودة أو أقدم من هذا البرنامج: شغّل عليه «qirtas class --init» أولًا.</translation>
    </message>
    <message>
        <source>The class server at %1 could not give the figures.</source>
        <translation>تعذّر على خادم الصف في %1 تقديم الأرقام.</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>جارٍ قراءة الصف…</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>مفتوح</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>تم اجتيازه</translation>
    </message>
    <message>
        <source>New keys: %1</source>
        <translation>المفاتيح الجديدة: %1</translation>
    </message>
    <message>
        <source>Fingers: %1</source>
        <translation>الأصابع: %1</translation>
    </message>
    <message>
        <source>Before lesson 1: where your hands rest</source>
        <translation>قبل الدرس الأول: أين تستقر يداك</translation>
    </message>
    <message>
        <source>Rest the fingers of your left hand on %1 and those of your right hand on %2, both thumbs on the space bar.</source>
        <translation>ضع أصابع يدك اليسرى على %1 وأصابع يدك اليمنى على %2، والإبهامين على مفتاح المسافة.</translation>
    </message>
    <message>
        <source>Feel for the bumps on %1 and %2 without looking: each finger reaches out from its home key and comes back to it.</source>
        <translation>تحسّس النتوءين على %1 و%2 دون أن تنظر: كل إصبع يمتد من مفتاحه الأساسي ثم يعود إليه.</translation>
    </message>
    <message>
        <source>Begin lesson 1</source>
        <translation>ابدأ الدرس الأول</translation>
    </message>
    <message>
        <source>Your target speed:</source>
        <translation>سرعتك المستهدفة:</translation>
    </message>
    <message>
        <source>each lesson's</source>
        <translation>هدف كل درس</translation>
    </message>
    <message>
        <source>The speed, in characters a minute, that passes every lesson; at its lowest each lesson asks for its own</source>
        <translation>السرعة (بالحروف في الدقيقة) التي تجتاز بها كل الدروس؛ عند أدنى قيمة يطلب كل درس سرعته الخاصة</translation>
    </message>
    <message>
        <source>To pass: %1 characters a minute at %2 % accuracy or better</source>
        <translation>للنجاح: %1 حرفًا في الدقيقة بدقة %2 % أو أكثر</translation>
    </message>
    <message>
        <source>%1 characters a minute at %2 % accuracy</source>
        <translation>%1 حرفًا في الدقيقة بدقة %2 %</translation>
    </message>
    <message>
        <source>Passed: %1. Lesson %2 is open.</source>
        <translation>نجحت: %1. الدرس %2 مفتوح الآن.</translation>
    </message>
    <message>
        <source>Passed: %1. You have passed every lesson of the course.</source>
        <translation>نجحت: %1. لقد اجتزت جميع دروس المنهج.</translation>
    </message>
    <message>
        <source>Not passed yet: %1. This lesson asks for %2 characters a minute at %3 % accuracy.</source>
        <translation>لم تنجح بعد: %1. يطلب هذا الدرس %2 حرفًا في الدقيقة بدقة %3 %.</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>الخنصر</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>البنصر</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>الوسطى</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>السبابة</translation>
    </message>
    <message>
        <source>Thumbs</source>
        <translation>الإبهامان</translation>
    </message>
    <message>
        <source>Home keys</source>
        <translation>مفاتيح الارتكاز</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>خنصر اليد اليسرى</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>بنصر اليد اليسرى</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>وسطى اليد اليسرى</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>سبابة اليد اليسرى</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>سبابة اليد اليمنى</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>وسطى اليد اليمنى</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>بنصر اليد اليمنى</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>خنصر اليد اليمنى</translation>
    </message>
    <message>
        <source>thumbs</source>
        <translation>الإبهامان</translation>
    </message>
    <message>
        <source>The home row</source>
        <translation>صف الارتكاز</translation>
    </message>
    <message>
        <source>Reaching from the home row: alef, lam and tah</source>
        <translation>الامتداد من صف الارتكاز: الألف واللام والطاء</translation>
    </message>
    <message>
        <source>Lower row: waw, reh, teh marbuta and alef maksura</source>
        <translation>الصف السفلي: الواو والراء والتاء المربوطة والألف المقصورة</translation>
    </message>
    <message>
        <source>Ain, feh and qaf; alef with hamza</source>
        <translation>العين والفاء والقاف، والهمزة على الألف</translation>
    </message>
    <message>
        <source>Full stop, comma and question mark; dal</source>
        <translation>النقطة والفاصلة وعلامة الاستفهام، والدال</translation>
    </message>
    <message>
        <source>Heh, hah, jeem and lam-alef</source>
        <translation>الهاء والحاء والجيم، ولام ألف</translation>
    </message>
    <message>
        <source>Zain, sad and alef with hamza below</source>
        <translation>الزاي والصاد، والهمزة تحت الألف</translation>
    </message>
    <message>
        <source>Theh, khah and ghain</source>
        <translation>الثاء والخاء والغين</translation>
    </message>
    <message>
        <source>Little fingers: dad, thal and zah</source>
        <translation>الخنصران: الضاد والذال والظاء</translation>
    </message>
    <message>
        <source>Hamza on the lower row, and alef with madda</source>
        <translation>الهمزة في الصف السفلي، والمدة على الألف</translation>
    </message>
    <message>
        <source>Lam-alef with hamza and madda</source>
        <translation>لام ألف بالهمزة والمدة</translation>
    </message>
    <message>
        <source>Exclamation mark, semicolon and colon</source>
        <translation>علامة التعجب والفاصلة المنقوطة والنقطتان</translation>
    </message>
    <message>
        <source>Quotation marks and the slash</source>
        <translation>علامات الاقتباس والشرطة المائلة</translation>
    </message>
    <message>
        <source>Round and square brackets</source>
        <translation>الأقواس الهلالية والمعقوفة</translation>
    </message>
    <message>
        <source>Optional: tatweel, the Latin comma and rarer signs</source>
        <translation>اختياري: التطويل والفاصلة اللاتينية والرموز الأقل استعمالا</translation>
    </message>
    <message>
        <source>Short vowels and sukun</source>
        <translation>الحركات القصيرة والسكون</translation>
    </message>
    <message>
        <source>Tanween and shadda</source>
        <translation>التنوين والشدة</translation>
    </message>
    <message>
        <source>Digits, left hand</source>
        <translation>الأرقام: اليد اليسرى</translation>
    </message>
    <message>
        <source>Digits, right hand</source>
        <translation>الأرقام: اليد اليمنى</translation>
    </message>
    <message>
        <source>%1 · best %2/min, %3 %</source>
        <translation>%1 · الأفضل %2/دقيقة، %3 %</translation>
    </message>
    <message>
        <source>Characters a minute</source>
        <translation>حروف في الدقيقة</translation>
    </message>
    <message>
        <source>Speed in characters typed a minute, from the first key</source>
        <translation>السرعة: عدد الحروف المكتوبة في الدقيقة منذ أول مفتاح</translation>
    </message>
    <message>
        <source>Accuracy: the share of keys typed right, in percent; a wrong key is typed again</source>
        <translation>الدقة: نسبة المفاتيح المكتوبة صحيحة بالمئة؛ المفتاح الخاطئ يُكتب من جديد</translation>
    </message>
    <message>
        <source>Learners in the class %1: %2. Figures as the server had them at %3.</source>
        <translation>المتعلمون في الصف %1: %2. الأرقام كما كانت على الخادم في %3.</translation>
    </message>
    <message>
        <source>Impossible drills left out of the figures: %1.</source>
        <translation>التمارين المستحيلة التي استُبعدت من الأرقام: %1.</translation>
    </message>
    <message>
        <source>No learner has sent a drill to this class yet: learners join it with Class… on the Progress tab of their tutor, giving this class code.</source>
        <translation>لم يرسل أي متعلم تمرينًا إلى هذا الصف بعد: ينضم المتعلمون إليه بزر «الصف…» في صفحة «التقدم» من برنامجهم، مع رمز هذا الصف.</translation>
    </message>
    <message>
        <source>The chosen learner's drills will appear here, with their speed and accuracy.</source>
        <translation>ستظهر هنا تمارين المتعلم الذي تختاره، مع سرعتها ودقتها.</translation>
    </message>
    <message>
        <source>No drills from this learner between these dates.</source>
        <translation>لم يُجرِ هذا المتعلم أي تمرين بين هذين التاريخين.</translation>
    </message>
    <message>
        <source>No drills of this kind from this learner between these dates.</source>
        <translation>لم يُجرِ هذا المتعلم تمارين من هذا النوع بين هذين التاريخين.</translation>
    </message>
    <message>
        <source>Their figures, such as a speed or a length no drill can have, cannot be right. The server took them before it began to refuse such drills; they stay on the server but count nowhere.</source>
        <translation>أرقام هذه التمارين لا يمكن أن تكون صحيحة، كسرعة أو مدة لا يبلغها أي تمرين. قبِلها الخادم قبل أن يبدأ في رفض مثلها؛ فهي باقية عليه لكنها لا تدخل في أي حساب.</translation>
    </message>
    <message>
        <source>Spreadsheet table (*.csv)</source>
        <translation>جدول بيانات (*.csv)</translation>
    </message>
    <message>
        <source>The table was saved as %1.</source>
        <translation>حُفظ الجدول باسم %1.</translation>
    </message>
    <message>
        <source>The table could not be saved as %1 (%2).</source>
        <translation>تعذّر حفظ الجدول باسم %1 (%2).</translation>
    </message>
    <message>
        <source>Keys this learner misses</source>
        <translation>المفاتيح التي يخطئ فيها هذا المتعلم</translation>
    </message>
    <message>
        <source>The disk that holds the history of your drills, %1, is full, so nothing new can be kept until space is freed there; what was kept so far is shown. Free some space (delete or move files you no longer need): new drills are kept again as soon as there is room.</source>
        <translation>القرص الذي يحفظ سجل تمارينك %1 ممتلئ، لذا لا يمكن حفظ أي شيء جديد حتى تُفرَّغ فيه مساحة؛ ويُعرض ما حُفظ حتى الآن. فرِّغ بعض المساحة (احذف الملفات التي لم تعد تحتاج إليها أو انقلها): تُحفظ التمارين الجديدة من جديد حالما تتوفر مساحة.</translation>
    </message>
    <message>
        <source>The disk that holds the history of your drills, %1, is full, so nothing new can be kept until space is freed there. Free some space (delete or move files you no longer need): your drills are kept again as soon as there is room.</source>
        <translation>القرص الذي يحفظ سجل تمارينك %1 ممتلئ، لذا لا يمكن حفظ أي شيء جديد حتى تُفرَّغ فيه مساحة. فرِّغ بعض المساحة (احذف الملفات التي لم تعد تحتاج إليها أو انقلها): تُحفظ تمارينك من جديد حالما تتوفر مساحة.</translation>
    </message>
    <message>
        <source>Your pass of lesson %1 is not kept yet: it is kept as soon as there is room, if the tutor is still open then.</source>
        <translation>لم يُحفظ نجاحك في الدرس %1 بعد: سيُحفظ حالما تتوفر مساحة، إن كان البرنامج لا يزال مفتوحًا حينها.</translation>
    </message>
    <message>
        <source>Your pass of lesson %1 could not be kept because the disk that holds the history of your drills is full: after a restart the lesson is not passed, and it has to be passed again.</source>
        <translation>تعذّر حفظ نجاحك في الدرس %1 لأن القرص الذي يحفظ سجل تمارينك ممتلئ: بعد إعادة التشغيل لن يكون الدرس مجتازًا، وعليك أن تجتازه من جديد.</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>كلمات في الدقيقة</translation>
    </message>
    <message>
        <source>The speed, in words a minute, that passes every lesson; at its lowest each lesson asks for its own</source>
        <translation>السرعة (بالكلمات في الدقيقة) التي تجتاز بها كل الدروس؛ عند أدنى قيمة يطلب كل درس سرعته الخاصة</translation>
    </message>
    <message>
        <source>Speed in words typed a minute, a word being %1 characters, from the first key</source>
        <translation>السرعة: عدد الكلمات المكتوبة في الدقيقة منذ أول مفتاح، والكلمة الواحدة %1 أحرف</translation>
    </message>
    <message>
        <source>To pass: %1 words a minute at %2 % accuracy or better</source>
        <translation>للنجاح: %1 كلمة/دقيقة بدقة %2 % أو أكثر</translation>
    </message>
    <message>
        <source>%1 words a minute at %2 % accuracy</source>
        <translation>%1 كلمة/دقيقة بدقة %2 %</translation>
    </message>
    <message>
        <source>Not passed yet: %1. This lesson asks for %2 words a minute at %3 % accuracy.</source>
        <translation>لم تنجح بعد: %1. يطلب هذا الدرس %2 كلمة/دقيقة بدقة %3 %.</translation>
    </message>
    <message>
        <source>%1 · best %2 words/min, %3 %</source>
        <translation>%1 · الأفضل %2 كلمة/دقيقة، %3 %</translation>
    </message>
    <message>
        <source>%1: %2 words a minute, %3% right</source>
        <translation>%1: %2 كلمة/دقيقة، %3% صحيحة</translation>
    </message>
    <message>
        <source>Speed per key (words a minute):</source>
        <translation>السرعة لكل مفتاح (كلمة في الدقيقة):</translation>
    </message>
    <message>
        <source>%1: mastered, %2 words a minute and %3% right</source>
        <translation>%1: متقَن، %2 كلمة/دقيقة و%3% صحيحة</translation>
    </message>
    <message>
        <source>%1: %2 of %3 words a minute, %4% right of %5% needed</source>
        <translation>%1: %2 من %3 كلمة/دقيقة، و%4% صحيحة من %5% مطلوبة</translation>
    </message>
    <message>
        <source>A key is mastered at %1 words a minute and %2% right.</source>
        <translation>يُعدّ المفتاح متقَنًا عند %1 كلمة/دقيقة و%2% صحيحة.</translation>
    </message>
    <message>
        <source>Speed (characters a minute)</source>
        <translation>السرعة (حرف في الدقيقة)</translation>
    </message>
    <message>
        <source>Speed (words a minute)</source>
        <translation>السرعة (كلمة في الدقيقة)</translation>
    </message>
    <message>
        <source>Speed trend (characters a minute per week)</source>
        <translation>تغيّر السرعة (حرف/دقيقة في الأسبوع)</translation>
    </message>
    <message>
        <source>Speed trend (words a minute per week)</source>
        <translation>تغيّر السرعة (كلمة/دقيقة في الأسبوع)</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>الحجم:</translation>
    </message>
    <message>
        <source>The size of the windows and their texts. A new size takes effect the next time the program starts.</source>
        <translation>حجم النوافذ ونصوصها. يُطبَّق الحجم الجديد عند تشغيل البرنامج في المرة القادمة.</translation>
    </message>
    <message>
        <source>Speed unit:</source>
        <translation>وحدة السرعة:</translation>
    </message>
    <message>
        <source>The unit of the speeds on the Course and Progress tabs and in the teacher's window; a word counts as %1 characters, spaces included. The drills' own Speed field keeps its keys or characters a second.</source>
        <translation>وحدة السرعة في تبويبَي الدورة والتقدم وفي نافذة المعلّم؛ تُحسب الكلمة %1 أحرف بما فيها المسافات. أما خانة السرعة في التمارين فتبقى بالمفاتيح أو الحروف في الثانية.</translation>
    </message>
    <message>
        <source>The windows will have the new size the next time the program starts.</source>
        <translation>ستظهر النوافذ بالحجم الجديد عند تشغيل البرنامج في المرة القادمة.</translation>
    </message>
    <message>
        <source>Speed (characters per second)</source>
        <translation>السرعة (حرف في الثانية)</translation>
    </message>
    <message>
        <source>Speed (keys/s)</source>
        <translation>السرعة (مفتاح/ثانية)</translation>
    </message>
    <message>
        <source>Speed trend (keys/s per week)</source>
        <translation>تغيّر السرعة (مفتاح/ثانية في الأسبوع)</translation>
    </message>
    <message>
        <source>Text drills</source>
        <translation>تمارين النصوص</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>النصوص</translation>
    </message>
    <message>
        <source>Paste a text</source>
        <translation>لصق نص</translation>
    </message>
    <message>
        <source>Paste an Arabic text of your own to practise; it is kept for next time</source>
        <translation>الصق نصًّا عربيًّا من عندك لتتدرب عليه؛ يُحفظ لتجده في المرة القادمة</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>Practise the Arabic text of a UTF-8 text file (.txt); it is kept for next time</source>
        <translation>تدرّب على النص العربي في ملف نصي بترميز UTF-8 ‏(.txt)؛ يُحفظ لتجده في المرة القادمة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>إبقاء</translation>
    </message>
    <message>
        <source>Remove the text of your own chosen in the list</source>
        <translation>احذف نصك المختار في القائمة</translation>
    </message>
    <message>
        <source>Your texts could not be read from %1, so that file was kept as %2 and your texts start afresh.</source>
        <translation>تعذّرت قراءة نصوصك من %1، فحُفظ ذلك الملف باسم %2، وتبدأ نصوصك من جديد.</translation>
    </message>
    <message>
        <source>Your text %1</source>
        <translation>نصك %1</translation>
    </message>
    <message>
        <source>Your text %1 (%2 lines)</source>
        <translation>نصك %1 (عدد الأسطر: %2)</translation>
    </message>
    <message>
        <source>%1 (%2 lines)</source>
        <translation>%1 (عدد الأسطر: %2)</translation>
    </message>
    <message>
        <source>Paste the Arabic text you want to practise:</source>
        <translation>الصق النص العربي الذي تريد أن تتدرب عليه:</translation>
    </message>
    <message>
        <source>Open a text</source>
        <translation>فتح نص</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>ملفات نصية (*.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>تتعذّر قراءة الملف %1.</translation>
    </message>
    <message>
        <source>This text is too long to practise: a text may have at most %1 characters.</source>
        <translation>هذا النص أطول من أن تتدرب عليه: لا يمكن أن يزيد عدد حروف النص على %1.</translation>
    </message>
    <message>
        <source>The file %1 is too large to practise: a text file may have at most %2 KB and %3 characters.</source>
        <translation>الملف %1 أكبر من أن تتدرب عليه: لا يمكن أن يزيد حجم الملف النصي على %2 كيلوبايت، ولا عدد حروفه على %3.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file. Choose a text file (.txt) saved as UTF-8.</source>
        <translation>الملف %1 ليس ملفًّا نصيًّا. اختر ملفًّا نصيًّا (.txt) محفوظًا بترميز UTF-8.</translation>
    </message>
    <message>
        <source>The file %1 is not saved as UTF-8. Save it as UTF-8 in your text editor and open it again.</source>
        <translation>الملف %1 غير محفوظ بترميز UTF-8. احفظه بترميز UTF-8 في محرر النصوص، ثم افتحه مرة أخرى.</translation>
    </message>
    <message>
        <source>There is nothing to type in this text.</source>
        <translation>ليس في هذا النص شيء يُكتب.</translation>
    </message>
    <message>
        <source>This text has characters that no key of the Arabic keyboard types: %1. Take them out and try again.</source>
        <translation>في هذا النص حروف لا يكتبها أي مفتاح في لوحة المفاتيح العربية: %1. احذفها وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Your text could not be kept because the disk that holds your data is full: you can practise it now, but after a restart it is gone. The texts kept before are safe.</source>
        <translation>تعذّر حفظ نصك لأن القرص الذي يحفظ بياناتك ممتلئ: يمكنك أن تتدرب عليه الآن، لكنه لن يبقى بعد إعادة التشغيل. أما النصوص المحفوظة من قبل فهي سليمة.</translation>
    </message>
    <message>
        <source>Your text could not be kept in %1: you can practise it now, but after a restart it is gone. The texts kept before are safe.</source>
        <translation>تعذّر حفظ نصك في %1: يمكنك أن تتدرب عليه الآن، لكنه لن يبقى بعد إعادة التشغيل. أما النصوص المحفوظة من قبل فهي سليمة.</translation>
    </message>
    <message>
        <source>Remove this text of your own? It cannot be brought back.</source>
        <translation>أتريد حذف نصك هذا؟ لا يمكن استعادته بعد الحذف.</translation>
    </message>
    <message>
        <source>The text is removed for now, but your texts file %1 could not be written: after a restart the text is back.</source>
        <translation>حُذف النص الآن، لكن تعذّرت الكتابة في ملف نصوصك %1: سيعود النص بعد إعادة التشغيل.</translation>
    </message>
    <message>
        <source>The whole text is typed: %1.</source>
        <translation>كُتب النص كله: %1.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>مرحبًا بك</translation>
    </message>
    <message>
        <source>This program teaches you to type Arabic by touch on the keyboard you have: it turns your keys into the Arabic layout, so there is nothing to install. Drills of letters, words and sentences, a course that begins on the home row, and practice of your weak keys take you there.</source>
        <translation>يعلّمك هذا البرنامج الطباعة العربية باللمس على لوحة المفاتيح التي لديك: فهو يحوّل مفاتيحك إلى تخطيط لوحة المفاتيح العربية، فلا حاجة إلى تثبيت أي شيء. وتوصلك إلى ذلك تمارين الحروف والكلمات والجمل، ودورة تبدأ من صف الارتكاز، وتدريب على مفاتيحك الضعيفة.</translation>
    </message>
    <message>
        <source>Where would you like to begin?</source>
        <translation>من أين تودّ أن تبدأ؟</translation>
    </message>
    <message>
        <source>I am new to touch typing: start the course at lesson 1</source>
        <translation>أنا جديد في الطباعة باللمس: ابدأ الدورة من الدرس 1</translation>
    </message>
    <message>
        <source>I can already type: go to the drills</source>
        <translation>أجيد الطباعة: انتقل إلى التمارين</translation>
    </message>
    <message>
        <source>Interface language:</source>
        <translation>لغة الواجهة:</translation>
    </message>
    <message>
        <source>You can change the language and the keyboard later on the Settings tab.</source>
        <translation>يمكنك تغيير اللغة ولوحة المفاتيح لاحقًا في تبويب الإعدادات.</translation>
    </message>
    <message>
        <source>Show the next key</source>
        <translation>أظهر المفتاح التالي</translation>
    </message>
    <message>
        <source>Adaptive practice: focus %1</source>
        <translation>التدريب التكيّفي: التركيز على %1</translation>
    </message>
    <message>
        <source>Missed words and sentences</source>
        <translation>الكلمات والجمل الخاطئة</translation>
    </message>
    <message>
        <source>List:</source>
        <translation>القائمة:</translation>
    </message>
    <message>
        <source>Built-in words</source>
        <translation>الكلمات المضمّنة</translation>
    </message>
    <message>
        <source>Built-in sentences</source>
        <translation>الجمل المضمّنة</translation>
    </message>
    <message>
        <source>The list this drill takes its items from: the built-in one, or a list you saved in your data folder with the content editor.</source>
        <translation>القائمة التي يأخذ منها هذا التمرين عناصره: القائمة المضمّنة، أو قائمة حفظتَها في مجلد بياناتك بمحرّر المحتوى.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read: %2.</source>
        <translation>تتعذّر قراءة ملف القائمة %1: %2.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged: its data is incomplete.</source>
        <translation>ملف القائمة %1 تالف: بياناته ناقصة.</translation>
    </message>
    <message>
        <source>The list file %1 has no item that can be typed: it is empty, or every item in it is blank or too long.</source>
        <translation>لا يحتوي ملف القائمة %1 على أي عنصر يمكن كتابته: فهو فارغ، أو كل عناصره خالية أو طويلة جدًا.</translation>
    </message>
    <message>
        <source>The built-in word list is used instead.</source>
        <translation>ستُستخدم قائمة الكلمات المضمّنة بدلًا منه.</translation>
    </message>
    <message>
        <source>The built-in sentence list is used instead.</source>
        <translation>ستُستخدم قائمة الجمل المضمّنة بدلًا منه.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>explain</source>
        <translation>الشرح</translation>
    </message>
    <message>
        <source>url</source>
        <translation>الرابط</translation>
    </message>
</context>
<context>
    <name>DialogData</name>
    <message>
        <source>内容编辑</source>
        <translation>محرر المحتوى</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>阿语</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>解释</source>
        <translation>الشرح</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>الرابط</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>打开 Qirtas 数据</source>
        <translation>فتح بيانات قرطاس</translation>
    </message>
    <message>
        <source>保存 Qirtas 数据</source>
        <translation>حفظ بيانات قرطاس</translation>
    </message>
    <message>
        <source>Qirtas 文件 (*.kq)</source>
        <translation>ملفات قرطاس (*.kq)</translation>
    </message>
    <message>
        <source>无法打开文件：
%1
原因：%2</source>
        <translation>تعذّر فتح الملف:
%1
السبب: %2</translation>
    </message>
    <message>
        <source>文件不完整，只能读出部分记录：
%1
保存时请另选文件。</source>
        <translation>الملف غير مكتمل، ولم يُقرأ منه إلا بعض السجلات:
%1
عند الحفظ اختر ملفًا آخر.</translation>
    </message>
    <message>
        <source>请填写阿语内容。</source>
        <translation>يرجى إدخال النص العربي.</translation>
    </message>
    <message>
        <source>请填写解释。</source>
        <translation>يرجى إدخال الشرح.</translation>
    </message>
    <message>
        <source>无法保存文件：
%1
原因：%2</source>
        <translation>تعذّر حفظ الملف:
%1
السبب: %2</translation>
    </message>
    <message>
        <source>内容已修改，是否保存？</source>
        <translation>تغيّر المحتوى. هل تريد حفظه؟</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>لا تحفظ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>已于 %1 保存为 %2。</source>
        <translation>حُفظ الملف باسم %2 الساعة %1.</translation>
    </message>
</context>
</TS>
