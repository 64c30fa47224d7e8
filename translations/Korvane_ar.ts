<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CheckHelp</name>
    <message>
        <location filename="../model/catalogue.cpp" line="44"/>
        <source>To silence it: a &quot;kvn-ignore: %1&quot; comment, or --disable %1.</source>
        <translation>لإسكات هذا الفحص: تعليق ⁨&quot;kvn-ignore: %1&quot;⁩ أو الخيار ⁨--disable %1⁩.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="207"/>
        <source>A damaged catalogue: XML or PO syntax that cannot be read, or a file that is not a catalogue.
Example: a .ts file cut off after &quot;&lt;message&gt;&quot;</source>
        <translation>ملف ترجمة تالف: بنية XML أو PO تتعذّر قراءتها، أو ملف ليس ملف ترجمة أصلًا.
مثال: ملف ‎.ts مقطوع بعد ⁨&quot;&lt;message&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="211"/>
        <source>A plural source whose numerus does not match the message.
Example: a numerus=&quot;yes&quot; message with no %n</source>
        <translation>نص مصدر بصيغ الجمع لا تتوافق صيغة العدد فيه مع الرسالة.
مثال: رسالة ⁨numerus=&quot;yes&quot;⁩ لا تحتوي على %n</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="215"/>
        <source>A source that is empty.
Example: &lt;source&gt;&lt;/source&gt;</source>
        <translation>نص مصدر فارغ.
مثال: ⁨&lt;source&gt;&lt;/source&gt;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="219"/>
        <source>A source longer than the number of characters set on the row.
Example: a whole paragraph of help in one message</source>
        <translation>نص مصدر أطول من عدد المحارف المحدد في إعدادات الفحص.
مثال: فقرة كاملة من نص المساعدة في رسالة واحدة</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="223"/>
        <source>A source with fewer letters or numbers than set on the row.
Example: &quot;-&quot; or &quot;?&quot;</source>
        <translation>نص مصدر فيه من الحروف أو الأرقام أقل من العدد المحدد في إعدادات الفحص.
مثال: ⁨&quot;-&quot;⁩ أو ⁨&quot;?&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="227"/>
        <source>A source with a character outside ASCII.
Example: &quot;Café&quot;</source>
        <translation>نص مصدر فيه محرف من خارج ASCII.
مثال: ⁨&quot;Café&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="231"/>
        <source>A source with a control character other than the line feed.
Example: &quot;Open\tfile&quot;</source>
        <translation>نص مصدر فيه محرف تحكم غير السطر الجديد.
مثال: ⁨&quot;Open\tfile&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="235"/>
        <source>A source with a line feed.
Example: &quot;Open\nfile&quot;</source>
        <translation>نص مصدر فيه سطر جديد.
مثال: ⁨&quot;Open\nfile&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="239"/>
        <source>A source that begins with a line feed.
Example: &quot;\nOpen file&quot;</source>
        <translation>نص مصدر يبدأ بسطر جديد.
مثال: ⁨&quot;\nOpen file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="243"/>
        <source>A source that begins with a space.
Example: &quot; Open file&quot;</source>
        <translation>نص مصدر يبدأ بمسافة.
مثال: ⁨&quot; Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="247"/>
        <source>A source that begins with a closing bracket or quote.
Example: &quot;)Open file&quot;</source>
        <translation>نص مصدر يبدأ بقوس إغلاق أو بعلامة اقتباس ختامية.
مثال: ⁨&quot;)Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="251"/>
        <source>A source that begins with a character that is neither a letter, a number nor an opening bracket or quote.
Example: &quot;-Open file&quot;</source>
        <translation>نص مصدر يبدأ بمحرف ليس حرفًا ولا رقمًا ولا قوس فتح ولا علامة اقتباس افتتاحية.
مثال: ⁨&quot;-Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="255"/>
        <source>A source that ends with a line feed.
Example: &quot;Open file\n&quot;</source>
        <translation>نص مصدر ينتهي بسطر جديد.
مثال: ⁨&quot;Open file\n&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="259"/>
        <source>A source that ends with a space.
Example: &quot;Open file &quot;</source>
        <translation>نص مصدر ينتهي بمسافة.
مثال: ⁨&quot;Open file &quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="263"/>
        <source>A source that ends with an opening bracket or quote.
Example: &quot;Open file (&quot;</source>
        <translation>نص مصدر ينتهي بقوس فتح أو بعلامة اقتباس افتتاحية.
مثال: ⁨&quot;Open file (&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="267"/>
        <source>A source that ends with a character that is neither a letter, a number nor a closing bracket or quote.
Example: &quot;Open file-&quot;</source>
        <translation>نص مصدر ينتهي بمحرف ليس حرفًا ولا رقمًا ولا قوس إغلاق ولا علامة اقتباس ختامية.
مثال: ⁨&quot;Open file-&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="271"/>
        <source>A source with an odd number of double quotes.
Example: Open &quot;file</source>
        <translation>نص مصدر فيه عدد فردي من علامات الاقتباس المزدوجة.
مثال: ⁨Open &quot;file⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="275"/>
        <source>A source with an odd number of apostrophes.
Example: Open &apos;file</source>
        <translation>نص مصدر فيه عدد فردي من الفواصل العليا.
مثال: ⁨Open &apos;file⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="279"/>
        <source>Brackets and quotes in the source that do not pair up.
Example: &quot;Open (file&quot;</source>
        <translation>أقواس وعلامات اقتباس في النص المصدر لا تكتمل أزواجها.
مثال: ⁨&quot;Open (file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="283"/>
        <source>A comma or semicolon in the source with no space after it.
Example: &quot;Open,save&quot;</source>
        <translation>فاصلة أو فاصلة منقوطة في النص المصدر لا تليها مسافة.
مثال: ⁨&quot;Open,save&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="287"/>
        <source>A full stop in the source followed by neither a space nor a closing character.
Example: &quot;Saved.Close&quot;</source>
        <translation>نقطة في النص المصدر لا تليها مسافة ولا محرف إغلاق.
مثال: ⁨&quot;Saved.Close&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="291"/>
        <source>An exclamation or question mark in the source with no space or closing character after it.
Example: &quot;Done!Close&quot;</source>
        <translation>علامة تعجب أو استفهام في النص المصدر لا تليها مسافة ولا محرف إغلاق.
مثال: ⁨&quot;Done!Close&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="295"/>
        <source>A colon in the source with no space after it.
Example: &quot;Name:value&quot;</source>
        <translation>علامة النقطتين في النص المصدر لا تليها مسافة.
مثال: ⁨&quot;Name:value&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="299"/>
        <source>A space before a comma or semicolon in the source.
Example: &quot;Open , save&quot;</source>
        <translation>مسافة قبل فاصلة أو فاصلة منقوطة في النص المصدر.
مثال: ⁨&quot;Open , save&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="303"/>
        <source>A space or an opening character before a full stop in the source.
Example: &quot;Saved .&quot;</source>
        <translation>مسافة أو محرف فتح قبل نقطة في النص المصدر.
مثال: ⁨&quot;Saved .&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="307"/>
        <source>A space or an opening character before an exclamation or question mark in the source.
Example: &quot;Done !&quot;</source>
        <translation>مسافة أو محرف فتح قبل علامة تعجب أو استفهام في النص المصدر.
مثال: ⁨&quot;Done !&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="311"/>
        <source>A space or an opening character before a colon in the source.
Example: &quot;Name :&quot;</source>
        <translation>مسافة أو محرف فتح قبل علامة النقطتين في النص المصدر.
مثال: ⁨&quot;Name :&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="315"/>
        <source>Two line feeds in a row in the source.
Example: &quot;Open\n\nfile&quot;</source>
        <translation>سطران جديدان متتاليان في النص المصدر.
مثال: ⁨&quot;Open\n\nfile&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="319"/>
        <source>Two spaces in a row in the source.
Example: &quot;Open  file&quot;</source>
        <translation>مسافتان متتاليتان في النص المصدر.
مثال: ⁨&quot;Open  file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="323"/>
        <source>Two full stops in a row in the source.
Example: &quot;Saved..&quot;</source>
        <translation>نقطتان متتاليتان في النص المصدر.
مثال: ⁨&quot;Saved..&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="327"/>
        <source>The same character twice in a row in the source, other than letters, numbers and the characters set on the row.
Example: &quot;Open--file&quot;</source>
        <translation>المحرف نفسه مرتين متتاليتين في النص المصدر، ما عدا الحروف والأرقام والمحارف المحددة في إعدادات الفحص.
مثال: ⁨&quot;Open--file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="331"/>
        <source>Two combining marks in a row in the source.
Example: a letter with two accents stacked by mistake</source>
        <translation>علامتا تشكيل مركّبتان متتاليتان في النص المصدر.
مثال: حرف تراكبت فوقه علامتا تشكيل عن طريق الخطأ</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="335"/>
        <source>Two dashes or connectors in a row in the source.
Example: &quot;Open__file&quot;</source>
        <translation>شرطتان أو محرفا ربط متتاليان في النص المصدر.
مثال: ⁨&quot;Open__file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="339"/>
        <source>Two currency or modifier symbols in a row in the source.
Example: &quot;$$5&quot;</source>
        <translation>رمزان متتاليان من رموز العملات أو رموز التعديل في النص المصدر.
مثال: ⁨&quot;$$5&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="343"/>
        <source>Two title-case or modifier letters in a row in the source.
Example: &quot;ʹʹ&quot;</source>
        <translation>حرفان متتاليان من حروف حالة العنوان أو حروف التعديل في النص المصدر.
مثال: ⁨&quot;ʹʹ&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="347"/>
        <source>A sentence of the source that begins with a lowercase letter.
Example: &quot;File saved. close the window.&quot;</source>
        <translation>جملة في النص المصدر تبدأ بحرف صغير.
مثال: ⁨&quot;File saved. close the window.&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="351"/>
        <source>Lists the words of the source with a doubled letter, for a spell check.
Example: &quot;Adress&quot;, &quot;Commit&quot;</source>
        <translation>يسرد كلمات النص المصدر التي فيها حرف مكرر، لأجل التدقيق الإملائي.
مثال: ⁨&quot;Adress&quot;, &quot;Commit&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="355"/>
        <source>Lists the words of the source that mix cased letters with letters without case.
Example: &quot;Qtの&quot;</source>
        <translation>يسرد كلمات النص المصدر التي تخلط الحروف الكبيرة أو الصغيرة بحروف ليست كبيرة ولا صغيرة.
مثال: ⁨&quot;Qtの&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="359"/>
        <source>Lists the words of the source with an uppercase letter after a lowercase one.
Example: &quot;TextEdit&quot;</source>
        <translation>يسرد كلمات النص المصدر التي فيها حرف كبير بعد حرف صغير.
مثال: ⁨&quot;TextEdit&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="363"/>
        <source>Lists the words of the source in uppercase letters only.
Example: &quot;URL&quot;, &quot;OK&quot;</source>
        <translation>يسرد كلمات النص المصدر المكتوبة بحروف كبيرة فقط.
مثال: ⁨&quot;URL&quot;, &quot;OK&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="367"/>
        <source>The same word twice in a row in the source.
Example: &quot;Open the the file&quot;</source>
        <translation>الكلمة نفسها مرتين متتاليتين في النص المصدر.
مثال: ⁨&quot;Open the the file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="371"/>
        <source>More than one accelerator (&amp;) in the source.
Example: &quot;&amp;Open &amp;file&quot;</source>
        <translation>أكثر من مفتاح تسريع واحد (&amp;) في النص المصدر.
مثال: ⁨&quot;&amp;Open &amp;file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="375"/>
        <source>An accelerator marker (&amp;) at the end of the source.
Example: &quot;Open file&amp;&quot;</source>
        <translation>علامة مفتاح تسريع (&amp;) في نهاية النص المصدر.
مثال: ⁨&quot;Open file&amp;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="379"/>
        <source>Lists the accelerators of the source, sorted by key, to find clashes.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>يسرد مفاتيح التسريع في النص المصدر مرتبةً حسب المفتاح، لكشف التعارضات.
مثال: ⁨&quot;&amp;Open&quot;⁩ و⁨&quot;&amp;Options&quot;⁩ يستخدمان كلاهما المفتاح O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="383"/>
        <source>Lists the accelerators of the source, sorted by text.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>يسرد مفاتيح التسريع في النص المصدر مرتبةً حسب النص.
مثال: ⁨&quot;&amp;Open&quot;⁩ و⁨&quot;&amp;Options&quot;⁩ يستخدمان كلاهما المفتاح O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="387"/>
        <source>Lists every word of the source, for a spell check.
Example: &quot;Open&quot;, &quot;file&quot;</source>
        <translation>يسرد كل كلمة في النص المصدر، لأجل التدقيق الإملائي.
مثال: ⁨&quot;Open&quot;, &quot;file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="391"/>
        <source>Lists every source once, sorted, for a review.
Example: &quot;Open file&quot;, &quot;Save file&quot;</source>
        <translation>يسرد كل نص مصدر مرة واحدة، مرتبةً، لأجل المراجعة.
مثال: ⁨&quot;Open file&quot;, &quot;Save file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="395"/>
        <source>An e-mail address in the source that is not well-formed.
Example: &quot;mail me at user@@example.org&quot;</source>
        <translation>عنوان بريد إلكتروني غير سليم في النص المصدر.
مثال: ⁨&quot;mail me at user@@example.org&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="399"/>
        <source>A URI in the source that is not well-formed.
Example: &quot;see http//example.org&quot;</source>
        <translation>عنوان URI غير سليم في النص المصدر.
مثال: ⁨&quot;see http//example.org&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="403"/>
        <source>A markup tag in the source without its opening or closing angle bracket.
Example: &quot;&lt;b&gt;bold&lt;/b&quot;</source>
        <translation>وسم ترميز في النص المصدر ينقصه القوس الزاوي الافتتاحي أو الختامي.
مثال: ⁨&quot;&lt;b&gt;bold&lt;/b&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="407"/>
        <source>A markup tag name in the source that is not valid.
Example: &quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;</source>
        <translation>اسم وسم ترميز غير صالح في النص المصدر.
مثال: ⁨&quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="411"/>
        <source>Markup tag attributes in the source that are not valid.
Example: &quot;&lt;a href=&gt;link&lt;/a&gt;&quot;</source>
        <translation>سمات وسم ترميز غير صالحة في النص المصدر.
مثال: ⁨&quot;&lt;a href=&gt;link&lt;/a&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="415"/>
        <source>Markup tags in the source that are not opened and closed in order.
Example: &quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;</source>
        <translation>وسوم ترميز في النص المصدر لا يجري فتحها وإغلاقها بالترتيب الصحيح.
مثال: ⁨&quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="419"/>
        <source>A plural translation with a wrong number of forms for its language.
Example: a German plural message with three forms</source>
        <translation>ترجمة بصيغ الجمع عدد صيغها خاطئ بالنسبة إلى لغتها.
مثال: رسالة جمع ألمانية بثلاث صيغ</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="423"/>
        <source>A translation that is empty.
Example: &lt;translation&gt;&lt;/translation&gt;</source>
        <translation>ترجمة فارغة.
مثال: ⁨&lt;translation&gt;&lt;/translation&gt;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="427"/>
        <source>A translation marked unfinished although it is filled in.
Example: &lt;translation type=&quot;unfinished&quot;&gt;Datei&lt;/translation&gt;</source>
        <translation>ترجمة معلّمة كغير منتهية رغم أنها ليست فارغة.
مثال: ⁨&lt;translation type=&quot;unfinished&quot;&gt;Datei&lt;/translation&gt;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="431"/>
        <source>A translation longer than the number of characters set on the row.
Example: a whole paragraph of help in one message</source>
        <translation>ترجمة أطول من عدد المحارف المحدد في إعدادات الفحص.
مثال: فقرة كاملة من نص المساعدة في رسالة واحدة</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="435"/>
        <source>A translation with fewer letters or numbers than set on the row.
Example: &quot;-&quot; or &quot;?&quot;</source>
        <translation>ترجمة فيها من الحروف أو الأرقام أقل من العدد المحدد في إعدادات الفحص.
مثال: ⁨&quot;-&quot;⁩ أو ⁨&quot;?&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="439"/>
        <source>A translation with a character outside ASCII.
Example: &quot;Café&quot;</source>
        <translation>ترجمة فيها محرف من خارج ASCII.
مثال: ⁨&quot;Café&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="443"/>
        <source>A translation with a control character other than the line feed.
Example: &quot;Open\tfile&quot;</source>
        <translation>ترجمة فيها محرف تحكم غير السطر الجديد.
مثال: ⁨&quot;Open\tfile&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="447"/>
        <source>A translation with a line feed.
Example: &quot;Open\nfile&quot;</source>
        <translation>ترجمة فيها سطر جديد.
مثال: ⁨&quot;Open\nfile&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="453"/>
        <source>A translation that begins with a line feed.
Example: &quot;\nOpen file&quot;</source>
        <translation>ترجمة تبدأ بسطر جديد.
مثال: ⁨&quot;\nOpen file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="457"/>
        <source>A translation that begins with a space.
Example: &quot; Open file&quot;</source>
        <translation>ترجمة تبدأ بمسافة.
مثال: ⁨&quot; Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="461"/>
        <source>A translation that begins with a closing bracket or quote.
Example: &quot;)Open file&quot;</source>
        <translation>ترجمة تبدأ بقوس إغلاق أو بعلامة اقتباس ختامية.
مثال: ⁨&quot;)Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="465"/>
        <source>A translation that begins with a character that is neither a letter, a number nor an opening bracket or quote.
Example: &quot;-Open file&quot;</source>
        <translation>ترجمة تبدأ بمحرف ليس حرفًا ولا رقمًا ولا قوس فتح ولا علامة اقتباس افتتاحية.
مثال: ⁨&quot;-Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="469"/>
        <source>A translation that ends with a line feed.
Example: &quot;Open file\n&quot;</source>
        <translation>ترجمة تنتهي بسطر جديد.
مثال: ⁨&quot;Open file\n&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="473"/>
        <source>A translation that ends with a space.
Example: &quot;Open file &quot;</source>
        <translation>ترجمة تنتهي بمسافة.
مثال: ⁨&quot;Open file &quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="477"/>
        <source>A translation that ends with an opening bracket or quote.
Example: &quot;Open file (&quot;</source>
        <translation>ترجمة تنتهي بقوس فتح أو بعلامة اقتباس افتتاحية.
مثال: ⁨&quot;Open file (&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="481"/>
        <source>A translation that ends with a character that is neither a letter, a number nor a closing bracket or quote.
Example: &quot;Open file-&quot;</source>
        <translation>ترجمة تنتهي بمحرف ليس حرفًا ولا رقمًا ولا قوس إغلاق ولا علامة اقتباس ختامية.
مثال: ⁨&quot;Open file-&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="485"/>
        <source>A translation with an odd number of double quotes.
Example: Open &quot;file</source>
        <translation>ترجمة فيها عدد فردي من علامات الاقتباس المزدوجة.
مثال: ⁨Open &quot;file⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="489"/>
        <source>A translation with an odd number of apostrophes.
Example: Open &apos;file</source>
        <translation>ترجمة فيها عدد فردي من الفواصل العليا.
مثال: ⁨Open &apos;file⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="493"/>
        <source>Brackets and quotes in the translation that do not pair up.
Example: &quot;Open (file&quot;</source>
        <translation>أقواس وعلامات اقتباس في الترجمة لا تكتمل أزواجها.
مثال: ⁨&quot;Open (file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="497"/>
        <source>A comma or semicolon in the translation with no space after it.
Example: &quot;Open,save&quot;</source>
        <translation>فاصلة أو فاصلة منقوطة في الترجمة لا تليها مسافة.
مثال: ⁨&quot;Open,save&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="501"/>
        <source>A full stop in the translation followed by neither a space nor a closing character.
Example: &quot;Saved.Close&quot;</source>
        <translation>نقطة في الترجمة لا تليها مسافة ولا محرف إغلاق.
مثال: ⁨&quot;Saved.Close&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="505"/>
        <source>An exclamation or question mark in the translation with no space or closing character after it.
Example: &quot;Done!Close&quot;</source>
        <translation>علامة تعجب أو استفهام في الترجمة لا تليها مسافة ولا محرف إغلاق.
مثال: ⁨&quot;Done!Close&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="509"/>
        <source>A colon in the translation with no space after it.
Example: &quot;Name:value&quot;</source>
        <translation>علامة النقطتين في الترجمة لا تليها مسافة.
مثال: ⁨&quot;Name:value&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="513"/>
        <source>A space before a comma or semicolon in the translation.
Example: &quot;Open , save&quot;</source>
        <translation>مسافة قبل فاصلة أو فاصلة منقوطة في الترجمة.
مثال: ⁨&quot;Open , save&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="517"/>
        <source>A space or an opening character before a full stop in the translation.
Example: &quot;Saved .&quot;</source>
        <translation>مسافة أو محرف فتح قبل نقطة في الترجمة.
مثال: ⁨&quot;Saved .&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="521"/>
        <source>A space or an opening character before an exclamation or question mark in the translation.
Example: &quot;Done !&quot;</source>
        <translation>مسافة أو محرف فتح قبل علامة تعجب أو استفهام في الترجمة.
مثال: ⁨&quot;Done !&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="525"/>
        <source>A space or an opening character before a colon in the translation.
Example: &quot;Name :&quot;</source>
        <translation>مسافة أو محرف فتح قبل علامة النقطتين في الترجمة.
مثال: ⁨&quot;Name :&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="529"/>
        <source>Two line feeds in a row in the translation.
Example: &quot;Open\n\nfile&quot;</source>
        <translation>سطران جديدان متتاليان في الترجمة.
مثال: ⁨&quot;Open\n\nfile&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="533"/>
        <source>Two spaces in a row in the translation.
Example: &quot;Open  file&quot;</source>
        <translation>مسافتان متتاليتان في الترجمة.
مثال: ⁨&quot;Open  file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="537"/>
        <source>Two full stops in a row in the translation.
Example: &quot;Saved..&quot;</source>
        <translation>نقطتان متتاليتان في الترجمة.
مثال: ⁨&quot;Saved..&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="541"/>
        <source>The same character twice in a row in the translation, other than letters, numbers and the characters set on the row.
Example: &quot;Open--file&quot;</source>
        <translation>المحرف نفسه مرتين متتاليتين في الترجمة، ما عدا الحروف والأرقام والمحارف المحددة في إعدادات الفحص.
مثال: ⁨&quot;Open--file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="545"/>
        <source>Two combining marks in a row in the translation.
Example: a letter with two accents stacked by mistake</source>
        <translation>علامتا تشكيل مركّبتان متتاليتان في الترجمة.
مثال: حرف تراكبت فوقه علامتا تشكيل عن طريق الخطأ</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="549"/>
        <source>Two dashes or connectors in a row in the translation.
Example: &quot;Open__file&quot;</source>
        <translation>شرطتان أو محرفا ربط متتاليان في الترجمة.
مثال: ⁨&quot;Open__file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="553"/>
        <source>Two currency or modifier symbols in a row in the translation.
Example: &quot;$$5&quot;</source>
        <translation>رمزان متتاليان من رموز العملات أو رموز التعديل في الترجمة.
مثال: ⁨&quot;$$5&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="557"/>
        <source>Two title-case or modifier letters in a row in the translation.
Example: &quot;ʹʹ&quot;</source>
        <translation>حرفان متتاليان من حروف حالة العنوان أو حروف التعديل في الترجمة.
مثال: ⁨&quot;ʹʹ&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="561"/>
        <source>A sentence of the translation that begins with a lowercase letter.
Example: &quot;File saved. close the window.&quot;</source>
        <translation>جملة في الترجمة تبدأ بحرف صغير.
مثال: ⁨&quot;File saved. close the window.&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="565"/>
        <source>Lists the words of the translation with a doubled letter, for a spell check.
Example: &quot;Adress&quot;, &quot;Commit&quot;</source>
        <translation>يسرد كلمات الترجمة التي فيها حرف مكرر، لأجل التدقيق الإملائي.
مثال: ⁨&quot;Adress&quot;, &quot;Commit&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="569"/>
        <source>Lists the words of the translation that mix cased letters with letters without case.
Example: &quot;Qtの&quot;</source>
        <translation>يسرد كلمات الترجمة التي تخلط الحروف الكبيرة أو الصغيرة بحروف ليست كبيرة ولا صغيرة.
مثال: ⁨&quot;Qtの&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="573"/>
        <source>Lists the words of the translation with an uppercase letter after a lowercase one.
Example: &quot;TextEdit&quot;</source>
        <translation>يسرد كلمات الترجمة التي فيها حرف كبير بعد حرف صغير.
مثال: ⁨&quot;TextEdit&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="577"/>
        <source>Lists the words of the translation in uppercase letters only.
Example: &quot;URL&quot;, &quot;OK&quot;</source>
        <translation>يسرد كلمات الترجمة المكتوبة بحروف كبيرة فقط.
مثال: ⁨&quot;URL&quot;, &quot;OK&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="581"/>
        <source>The same word twice in a row in the translation.
Example: &quot;Open the the file&quot;</source>
        <translation>الكلمة نفسها مرتين متتاليتين في الترجمة.
مثال: ⁨&quot;Open the the file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="585"/>
        <source>More than one accelerator (&amp;) in the translation.
Example: &quot;&amp;Open &amp;file&quot;</source>
        <translation>أكثر من مفتاح تسريع واحد (&amp;) في الترجمة.
مثال: ⁨&quot;&amp;Open &amp;file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="589"/>
        <source>An accelerator marker (&amp;) at the end of the translation.
Example: &quot;Open file&amp;&quot;</source>
        <translation>علامة مفتاح تسريع (&amp;) في نهاية الترجمة.
مثال: ⁨&quot;Open file&amp;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="593"/>
        <source>Lists the accelerators of the translation, sorted by key, to find clashes.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>يسرد مفاتيح التسريع في الترجمة مرتبةً حسب المفتاح، لكشف التعارضات.
مثال: ⁨&quot;&amp;Open&quot;⁩ و⁨&quot;&amp;Options&quot;⁩ يستخدمان كلاهما المفتاح O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="597"/>
        <source>Lists the accelerators of the translation, sorted by text.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>يسرد مفاتيح التسريع في الترجمة مرتبةً حسب النص.
مثال: ⁨&quot;&amp;Open&quot;⁩ و⁨&quot;&amp;Options&quot;⁩ يستخدمان كلاهما المفتاح O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="601"/>
        <source>Lists every word of the translation, for a spell check.
Example: &quot;Open&quot;, &quot;file&quot;</source>
        <translation>يسرد كل كلمة في الترجمة، لأجل التدقيق الإملائي.
مثال: ⁨&quot;Open&quot;, &quot;file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="605"/>
        <source>Lists every translation once, sorted, for a review.
Example: &quot;Open file&quot;, &quot;Save file&quot;</source>
        <translation>يسرد كل ترجمة مرة واحدة، مرتبةً، لأجل المراجعة.
مثال: ⁨&quot;Open file&quot;, &quot;Save file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="609"/>
        <source>An e-mail address in the translation that is not well-formed.
Example: &quot;mail me at user@@example.org&quot;</source>
        <translation>عنوان بريد إلكتروني غير سليم في الترجمة.
مثال: ⁨&quot;mail me at user@@example.org&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="613"/>
        <source>A URI in the translation that is not well-formed.
Example: &quot;see http//example.org&quot;</source>
        <translation>عنوان URI غير سليم في الترجمة.
مثال: ⁨&quot;see http//example.org&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="617"/>
        <source>A markup tag in the translation without its opening or closing angle bracket.
Example: &quot;&lt;b&gt;bold&lt;/b&quot;</source>
        <translation>وسم ترميز في الترجمة ينقصه القوس الزاوي الافتتاحي أو الختامي.
مثال: ⁨&quot;&lt;b&gt;bold&lt;/b&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="621"/>
        <source>A markup tag name in the translation that is not valid.
Example: &quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;</source>
        <translation>اسم وسم ترميز غير صالح في الترجمة.
مثال: ⁨&quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="625"/>
        <source>Markup tag attributes in the translation that are not valid.
Example: &quot;&lt;a href=&gt;link&lt;/a&gt;&quot;</source>
        <translation>سمات وسم ترميز غير صالحة في الترجمة.
مثال: ⁨&quot;&lt;a href=&gt;link&lt;/a&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="629"/>
        <source>Markup tags in the translation that are not opened and closed in order.
Example: &quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;</source>
        <translation>وسوم ترميز في الترجمة لا يجري فتحها وإغلاقها بالترتيب الصحيح.
مثال: ⁨&quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="633"/>
        <source>Lists every character used in the sources and the translations.
Example: &quot;é&quot; used once in the translations</source>
        <translation>يسرد كل محرف مستخدم في النصوص المصدر والترجمات.
مثال: ⁨&quot;é&quot;⁩ مستخدم مرة واحدة في الترجمات</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="637"/>
        <source>A translation much shorter or longer than a short source, by the ratio limits set on the row.
Example: &quot;OK&quot; translated as a whole sentence</source>
        <translation>ترجمة أقصر أو أطول بكثير من نص مصدر قصير، وفق حدود النسبة المحددة في إعدادات الفحص.
مثال: ترجمة ⁨&quot;OK&quot;⁩ بجملة كاملة</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="641"/>
        <source>A translation much shorter or longer than a longer source, by the ratio limits set on the row.
Example: a long sentence translated with one word</source>
        <translation>ترجمة أقصر أو أطول بكثير من نص مصدر أطول، وفق حدود النسبة المحددة في إعدادات الفحص.
مثال: جملة طويلة مترجمة بكلمة واحدة</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="645"/>
        <source>A control character of the source missing from the translation.
Example: &quot;Name:\tvalue&quot; -&gt; &quot;Name: value&quot;</source>
        <translation>محرف تحكم في النص المصدر غائب عن الترجمة.
مثال: ⁨&quot;Name:\tvalue&quot; -&gt; &quot;Name: value&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="649"/>
        <source>A different number of tabulations in source and translation.
Example: &quot;a\tb&quot; -&gt; &quot;a b&quot;</source>
        <translation>عدد مختلف من محارف الجدولة بين النص المصدر والترجمة.
مثال: ⁨&quot;a\tb&quot; -&gt; &quot;a b&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="653"/>
        <source>A different number of line feeds in source and translation.
Example: &quot;Line 1\nLine 2&quot; -&gt; &quot;Line 1 Line 2&quot;</source>
        <translation>عدد مختلف من محارف السطر الجديد بين النص المصدر والترجمة.
مثال: ⁨&quot;Line 1\nLine 2&quot; -&gt; &quot;Line 1 Line 2&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="657"/>
        <source>Only one of source and translation begins with a line feed.
Example: &quot;\nOpen&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>يبدأ أحدهما فقط، النص المصدر أو الترجمة، بسطر جديد.
مثال: ⁨&quot;\nOpen&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="661"/>
        <source>Only one of source and translation begins with a space.
Example: &quot; Open&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>يبدأ أحدهما فقط، النص المصدر أو الترجمة، بمسافة.
مثال: ⁨&quot; Open&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="665"/>
        <source>Only one of source and translation begins with an opening character.
Example: &quot;(optional)&quot; -&gt; &quot;optional)&quot;</source>
        <translation>يبدأ أحدهما فقط، النص المصدر أو الترجمة، بمحرف فتح.
مثال: ⁨&quot;(optional)&quot; -&gt; &quot;optional)&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="669"/>
        <source>Only one of source and translation begins with another character that is not a letter or number.
Example: &quot;-v&quot; -&gt; &quot;v&quot;</source>
        <translation>يبدأ أحدهما فقط، النص المصدر أو الترجمة، بمحرف آخر ليس حرفًا ولا رقمًا.
مثال: ⁨&quot;-v&quot; -&gt; &quot;v&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="673"/>
        <source>Only one of source and translation ends with a line feed.
Example: &quot;Open\n&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>ينتهي أحدهما فقط، النص المصدر أو الترجمة، بسطر جديد.
مثال: ⁨&quot;Open\n&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="677"/>
        <source>Only one of source and translation ends with a space.
Example: &quot;Name: &quot; -&gt; &quot;Name:&quot;</source>
        <translation>ينتهي أحدهما فقط، النص المصدر أو الترجمة، بمسافة.
مثال: ⁨&quot;Name: &quot; -&gt; &quot;Name:&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="681"/>
        <source>Only one of source and translation ends with a closing character.
Example: &quot;(optional)&quot; -&gt; &quot;(optional&quot;</source>
        <translation>ينتهي أحدهما فقط، النص المصدر أو الترجمة، بمحرف إغلاق.
مثال: ⁨&quot;(optional)&quot; -&gt; &quot;(optional&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="685"/>
        <source>Only one of source and translation ends with another character that is not a letter or number.
Example: &quot;Open...&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>ينتهي أحدهما فقط، النص المصدر أو الترجمة، بمحرف آخر ليس حرفًا ولا رقمًا.
مثال: ⁨&quot;Open...&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="689"/>
        <source>A different number of &lt; and &gt; in source and translation.
Example: &quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;&lt;b&gt;Öffnen/b&gt;&quot;</source>
        <translation>عدد مختلف من &lt; و &gt; بين النص المصدر والترجمة.
مثال: ⁨&quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;&lt;b&gt;Öffnen/b&gt;&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="693"/>
        <source>A different number of opening and closing characters in source and translation.
Example: &quot;(optional)&quot; -&gt; &quot;optional&quot;</source>
        <translation>عدد مختلف من محارف الفتح والإغلاق بين النص المصدر والترجمة.
مثال: ⁨&quot;(optional)&quot; -&gt; &quot;optional&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="697"/>
        <source>A different number of colons in source and translation.
Example: &quot;Name:&quot; -&gt; &quot;Name&quot;</source>
        <translation>عدد مختلف من النقطتين الرأسيتين بين النص المصدر والترجمة.
مثال: ⁨&quot;Name:&quot; -&gt; &quot;Name&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="701"/>
        <source>A different number of exclamation marks in source and translation.
Example: &quot;Done!&quot; -&gt; &quot;Fertig&quot;</source>
        <translation>عدد مختلف من علامات التعجب بين النص المصدر والترجمة.
مثال: ⁨&quot;Done!&quot; -&gt; &quot;Fertig&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="705"/>
        <source>A different number of question marks in source and translation.
Example: &quot;Save?&quot; -&gt; &quot;Speichern&quot;</source>
        <translation>عدد مختلف من علامات الاستفهام بين النص المصدر والترجمة.
مثال: ⁨&quot;Save?&quot; -&gt; &quot;Speichern&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="709"/>
        <source>A different number of full stops in source and translation.
Example: &quot;Saved.&quot; -&gt; &quot;Gespeichert&quot;</source>
        <translation>عدد مختلف من النقاط بين النص المصدر والترجمة.
مثال: ⁨&quot;Saved.&quot; -&gt; &quot;Gespeichert&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="713"/>
        <source>A different number of ellipses in source and translation.
Example: &quot;Open...&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>عدد مختلف من علامات الحذف بين النص المصدر والترجمة.
مثال: ⁨&quot;Open...&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="717"/>
        <source>A different number of the other characters set on the row in source and translation.
Example: &quot;a/b&quot; -&gt; &quot;a b&quot;</source>
        <translation>عدد مختلف من المحارف الأخرى المحددة في إعدادات الفحص بين النص المصدر والترجمة.
مثال: ⁨&quot;a/b&quot; -&gt; &quot;a b&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="721"/>
        <source>Numbers of the source missing from the translation, or the other way round.
Example: &quot;Page 2 of 5&quot; -&gt; &quot;Seite 2 von 6&quot;</source>
        <translation>أرقام في النص المصدر غائبة عن الترجمة، أو العكس.
مثال: ⁨&quot;Page 2 of 5&quot; -&gt; &quot;Seite 2 von 6&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="725"/>
        <source>Numbers that differ between source and translation, compared more strictly than ST8.1.
Example: &quot;1.5 MB&quot; -&gt; &quot;15 MB&quot;</source>
        <translation>أرقام تختلف بين النص المصدر والترجمة، بمقارنة أكثر صرامة من ST8.1.
مثال: ⁨&quot;1.5 MB&quot; -&gt; &quot;15 MB&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="729"/>
        <source>Numbers that differ between source and translation, compared more strictly than ST8.2.
Example: &quot;v1.2.3&quot; -&gt; &quot;v1.2&quot;</source>
        <translation>أرقام تختلف بين النص المصدر والترجمة، بمقارنة أكثر صرامة من ST8.2.
مثال: ⁨&quot;v1.2.3&quot; -&gt; &quot;v1.2&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="733"/>
        <source>Numbers that differ between source and translation, compared more strictly than ST8.3.
Example: &quot;10,000&quot; -&gt; &quot;10000&quot;</source>
        <translation>أرقام تختلف بين النص المصدر والترجمة، بمقارنة أكثر صرامة من ST8.3.
مثال: ⁨&quot;10,000&quot; -&gt; &quot;10000&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="737"/>
        <source>A different number of accelerators (&amp;) in source and translation.
Example: &quot;&amp;Open&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>عدد مختلف من مفاتيح التسريع (&amp;) بين النص المصدر والترجمة.
مثال: ⁨&quot;&amp;Open&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="741"/>
        <source>A different number of arguments (%1, %2 ...) in source and translation.
Example: &quot;%1 of %2&quot; -&gt; &quot;%1 von&quot;</source>
        <translation>عدد مختلف من الوسائط (%1، %2 ...) بين النص المصدر والترجمة.
مثال: ⁨&quot;%1 of %2&quot; -&gt; &quot;%1 von&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="745"/>
        <source>Arguments that do not count up by one.
Example: &quot;%1 and %3&quot;</source>
        <translation>وسائط لا تتزايد بمقدار واحد.
مثال: ⁨&quot;%1 and %3&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="749"/>
        <source>The same source translated differently in different messages.
Example: &quot;Open&quot; -&gt; &quot;Öffnen&quot; here, &quot;Aufmachen&quot; there</source>
        <translation>النص المصدر نفسه مترجَم بشكل مختلف في رسائل مختلفة.
مثال: ⁨&quot;Open&quot; -&gt; &quot;Öffnen&quot;⁩ هنا، و⁨&quot;Aufmachen&quot;⁩ هناك</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="753"/>
        <source>The same translation used for different sources.
Example: &quot;Open&quot; and &quot;Close&quot; both -&gt; &quot;Öffnen&quot;</source>
        <translation>الترجمة نفسها مستخدمة لنصوص مصدر مختلفة.
مثال: ⁨&quot;Open&quot;⁩ و⁨&quot;Close&quot;⁩ تُرجما كلاهما إلى ⁨&quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="757"/>
        <source>E-mail addresses that differ between source and translation.
Example: &quot;a@example.org&quot; -&gt; &quot;b@example.org&quot;</source>
        <translation>عناوين بريد إلكتروني تختلف بين النص المصدر والترجمة.
مثال: ⁨&quot;a@example.org&quot; -&gt; &quot;b@example.org&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="761"/>
        <source>URIs that differ between source and translation.
Example: &quot;https://example.org&quot; -&gt; &quot;https://example.com&quot;</source>
        <translation>عناوين URI تختلف بين النص المصدر والترجمة.
مثال: ⁨&quot;https://example.org&quot; -&gt; &quot;https://example.com&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="765"/>
        <source>A different number of markup tags in source and translation.
Example: &quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>عدد مختلف من وسوم الترميز بين النص المصدر والترجمة.
مثال: ⁨&quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="769"/>
        <source>printf conversions of source and translation that differ in number or type.
Example: &quot;%d files&quot; -&gt; &quot;%s Dateien&quot;</source>
        <translation>تحويلات printf في النص المصدر والترجمة تختلف في العدد أو النوع.
مثال: ⁨&quot;%d files&quot; -&gt; &quot;%s Dateien&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="773"/>
        <source>Placeholders in braces that differ between source and translation.
Example: &quot;{count} files&quot; -&gt; &quot;{anzahl} Dateien&quot;</source>
        <translation>عناصر نائبة بين أقواس معقوفة تختلف بين النص المصدر والترجمة.
مثال: ⁨&quot;{count} files&quot; -&gt; &quot;{anzahl} Dateien&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="777"/>
        <source>A malformed entity in the translation of a text with markup.
Example: &quot;&amp;amp&quot; without its semicolon</source>
        <translation>كيان مشوّه في ترجمة نص ذي ترميز.
مثال: ⁨&quot;&amp;amp&quot;⁩ دون الفاصلة المنقوطة في نهايته</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="781"/>
        <source>A plural message with fewer translated forms than its language has.
Example: a Polish plural message with two forms</source>
        <translation>رسالة بصيغ الجمع فيها صيغ مترجمة أقل مما في لغتها.
مثال: رسالة جمع بولندية بصيغتين</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="785"/>
        <source>A translation that copies a source of two or more words; words set on the row may stay the same.
Example: &quot;Open file&quot; -&gt; &quot;Open file&quot;</source>
        <translation>ترجمة تنسخ نصًا مصدرًا من كلمتين أو أكثر؛ ويجوز أن تبقى الكلمات المحددة في إعدادات الفحص كما هي.
مثال: ⁨&quot;Open file&quot; -&gt; &quot;Open file&quot;⁩</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="789"/>
        <source>A source with a &quot;_&quot; accelerator whose translation has none (.po files).
Example: &quot;_Open&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>نص مصدر فيه مفتاح تسريع &quot;_&quot; وليس في ترجمته أي مفتاح تسريع (ملفات ‎.po).
مثال: ⁨&quot;_Open&quot; -&gt; &quot;Öffnen&quot;⁩</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <location filename="../app/findingstable.cpp" line="31"/>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="33"/>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="37"/>
        <source>Information</source>
        <translation>معلومة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="191"/>
        <source>Check</source>
        <translation>الفحص</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="193"/>
        <source>Severity</source>
        <translation>الخطورة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="195"/>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="197"/>
        <source>Line</source>
        <translation>السطر</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="199"/>
        <source>Context</source>
        <translation>السياق</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="201"/>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="203"/>
        <source>Translation</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="205"/>
        <source>Finding</source>
        <translation>النتيجة</translation>
    </message>
</context>
<context>
    <name>FindingsPanel</name>
    <message>
        <location filename="../app/findingstable.cpp" line="325"/>
        <source>Search in all columns</source>
        <translation>البحث في جميع الأعمدة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="331"/>
        <source>Filter by language</source>
        <translation>التصفية حسب اللغة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="412"/>
        <source>All checks</source>
        <translation>جميع الفحوص</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="418"/>
        <source>Group %1</source>
        <translation>المجموعة ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="422"/>
        <source>All severities</source>
        <translation>جميع درجات الخطورة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="426"/>
        <source>All files</source>
        <translation>جميع الملفات</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="429"/>
        <source>All languages</source>
        <translation>كل اللغات</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="472"/>
        <source>Check %1 (%2)</source>
        <translation>الفحص ⁨%1⁩ (⁨%2⁩)</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="479"/>
        <source>Context:</source>
        <translation>السياق:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="480"/>
        <source>Source:</source>
        <translation>المصدر:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="481"/>
        <source>Translation:</source>
        <translation>الترجمة:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="482"/>
        <source>Finding:</source>
        <translation>النتيجة:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="520"/>
        <source>Copy File and Line</source>
        <translation>نسخ الملف والسطر</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="521"/>
        <source>Copy Source</source>
        <translation>نسخ المصدر</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="522"/>
        <source>Copy Translation</source>
        <translation>نسخ الترجمة</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="524"/>
        <source>Open at Line</source>
        <translation>فتح عند السطر</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../run/run.cpp" line="21"/>
        <source>Please select a file or a directory.</source>
        <translation>يرجى اختيار ملف أو مجلد.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="22"/>
        <source>Multible selection. Please try again.</source>
        <translation>تحديد متعدد. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="23"/>
        <source>Missing path. Please try again.</source>
        <translation>المسار مفقود. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="24"/>
        <source>No translation files found in %1.</source>
        <translation>لم يُعثر على ملفات ترجمة في ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="196"/>
        <source>Could not write %1: %2</source>
        <translation>تعذّرت كتابة ⁨%1⁩: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="208"/>
        <source>Checked %1 files of %2 names in %3. Wrote %4 logs to %5.</source>
        <translation>تم فحص ⁨%1⁩ من الملفات من أصل ⁨%2⁩ من الأسماء في ⁨%3⁩. وتمت كتابة ⁨%4⁩ من السجلات في ⁨%5⁩.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="216"/>
        <source>The batch was aborted.</source>
        <translation>أُلغي الفحص الدفعي.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="206"/>
        <source>Check 0 warns if the file is corrupt.</source>
        <translation>يحذّر الفحص 0 إذا كان الملف تالفًا.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="210"/>
        <source>Check S0 warns if the source has a wrong numerus.</source>
        <translation>يحذّر الفحص S0 إذا كانت صيغ الجمع في النص المصدر خاطئة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="214"/>
        <source>Check S1.1 warns if the source is empty.</source>
        <translation>يحذّر الفحص S1.1 إذا كان النص المصدر فارغًا.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="218"/>
        <source>Check S1.2 warns if the source has more than x characters.</source>
        <translation>يحذّر الفحص S1.2 إذا احتوى النص المصدر على أكثر من x من المحارف.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="222"/>
        <source>Check S1.3 warns if the source has less than x letters or numbers.</source>
        <translation>يحذّر الفحص S1.3 إذا احتوى النص المصدر على أقل من x من الحروف أو الأرقام.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="226"/>
        <source>Check S2.1 warns if the source contains non-ASCII characters.</source>
        <translation>يحذّر الفحص S2.1 إذا احتوى النص المصدر على محارف غير ASCII.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="230"/>
        <source>Check S2.2 warns if the source contains control characters. (Exclusive of the warnings from Check S2.3.)</source>
        <translation>يحذّر الفحص S2.2 إذا احتوى النص المصدر على محارف تحكم. (باستثناء تحذيرات الفحص S2.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="234"/>
        <source>Check S2.3 warns if the source contains line feed characters.</source>
        <translation>يحذّر الفحص S2.3 إذا احتوى النص المصدر على محارف سطر جديد.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="238"/>
        <source>Check S3.1 warns if the first character of the source is line feed.</source>
        <translation>يحذّر الفحص S3.1 إذا كان المحرف الأول من النص المصدر سطرًا جديدًا.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="242"/>
        <source>Check S3.2 warns if the first character of the source is a space. (Exclusive of the warnings from Check S3.1.)</source>
        <translation>يحذّر الفحص S3.2 إذا كان المحرف الأول من النص المصدر مسافة. (باستثناء تحذيرات الفحص S3.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="246"/>
        <source>Check S3.3 warns if the first character of the source is Punctuation_Close or Punctuation_FinalQuote.</source>
        <translation>يحذّر الفحص S3.3 إذا كان المحرف الأول من النص المصدر Punctuation_Close أو Punctuation_FinalQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="250"/>
        <source>Check S3.4 warns if the first character of the source is not (LetterOrNumber or Punctuation_Open or Punctuation_InitialQuote or x).
Except the characters from Check S3.1 to S3.3 and characters you wrote into the right line edit.</source>
        <translation>يحذّر الفحص S3.4 إذا لم يكن المحرف الأول من النص المصدر (LetterOrNumber أو Punctuation_Open أو Punctuation_InitialQuote أو x).
باستثناء المحارف من الفحص S3.1 إلى S3.3 والمحارف التي كتبتها في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="254"/>
        <source>Check S4.1 warns if the last character of the source is a line feed.</source>
        <translation>يحذّر الفحص S4.1 إذا كان المحرف الأخير من النص المصدر سطرًا جديدًا.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="258"/>
        <source>Check S4.2 warns if the last character of the source is a space. (Exclusive of the warnings from Check S4.1.)</source>
        <translation>يحذّر الفحص S4.2 إذا كان المحرف الأخير من النص المصدر مسافة. (باستثناء تحذيرات الفحص S4.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="262"/>
        <source>Check S4.3 warns if the last character of the source is Punctuation_Open or Punctuation_InitialQuote.</source>
        <translation>يحذّر الفحص S4.3 إذا كان المحرف الأخير من النص المصدر Punctuation_Open أو Punctuation_InitialQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="266"/>
        <source>Check S4.4 warns if the last character of the source is not (LetterOrNumber or Punctuation_Close or Punctuation_FinalQuote or x)
Except the characters from Check S4.1 to S4.3 and the characters you wrote into the right line edit.</source>
        <translation>يحذّر الفحص S4.4 إذا لم يكن المحرف الأخير من النص المصدر (LetterOrNumber أو Punctuation_Close أو Punctuation_FinalQuote أو x)
باستثناء المحارف من الفحص S4.1 إلى S4.3 والمحارف التي كتبتها في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="270"/>
        <source>Check S5.1 warns if the number of characters &quot; in the source is odd. (It&apos;s too difficult to add this in Check S5.3)</source>
        <translation>يحذّر الفحص S5.1 إذا كان عدد المحارف &quot; في النص المصدر فرديًا. (من الصعب جدًا إضافة ذلك إلى الفحص S5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="274"/>
        <source>Check S5.2 warns if the number of characters &apos; in the source is odd. (It&apos;s too difficult to add this in Check S5.3)</source>
        <translation>يحذّر الفحص S5.2 إذا كان عدد المحارف &apos; في النص المصدر فرديًا. (من الصعب جدًا إضافة ذلك إلى الفحص S5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="278"/>
        <source>Check S5.3 warns if the opening and the closing characters in the source are not well-formed. (Parenthesischeck)</source>
        <translation>يحذّر الفحص S5.3 إذا لم تكن محارف الفتح والإغلاق في النص المصدر متوازنة. (فحص الأقواس)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="282"/>
        <source>Check S6.1 warns if there is no space after comma or semicolon in the source.</source>
        <translation>يحذّر الفحص S6.1 إذا لم توجد مسافة بعد الفاصلة أو الفاصلة المنقوطة في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="286"/>
        <source>Check S6.2 warns if there is no space or closing character in the source after full stop.</source>
        <translation>يحذّر الفحص S6.2 إذا لم توجد مسافة أو محرف إغلاق بعد النقطة في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="290"/>
        <source>Check S6.3 warns if there is no space or closing character in the source after exclamation mark or question mark.</source>
        <translation>يحذّر الفحص S6.3 إذا لم توجد مسافة أو محرف إغلاق بعد علامة التعجب أو علامة الاستفهام في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="294"/>
        <source>Check S6.4 warns if there is no space in the source after colon.</source>
        <translation>يحذّر الفحص S6.4 إذا لم توجد مسافة بعد النقطتين في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="298"/>
        <source>Check S7.1 warns if there is a space before comma or semicolon in the source.</source>
        <translation>يحذّر الفحص S7.1 إذا وُجدت مسافة قبل الفاصلة أو الفاصلة المنقوطة في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="302"/>
        <source>Check S7.2 warns if there is a space or an opening character in the source before full stop.</source>
        <translation>يحذّر الفحص S7.2 إذا وُجدت مسافة أو محرف فتح قبل النقطة في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="306"/>
        <source>Check S7.3 warns if there is a space or an opening character in the source before exclamation mark or question mark.</source>
        <translation>يحذّر الفحص S7.3 إذا وُجدت مسافة أو محرف فتح قبل علامة التعجب أو علامة الاستفهام في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="310"/>
        <source>Check S7.4 warns if there is a space or an opening character in the source before colon.</source>
        <translation>يحذّر الفحص S7.4 إذا وُجدت مسافة أو محرف فتح قبل النقطتين في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="314"/>
        <source>Check S8.1 warns if the source contains a double line feed.</source>
        <translation>يحذّر الفحص S8.1 إذا احتوى النص المصدر على سطر جديد مكرر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="318"/>
        <source>Check S8.2 warns if the source contains a double space. (Exclusive of the warnings from Check S8.1.)</source>
        <translation>يحذّر الفحص S8.2 إذا احتوى النص المصدر على مسافة مكررة. (باستثناء تحذيرات الفحص S8.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="322"/>
        <source>Check S8.3 warns if the source contains a double dot.</source>
        <translation>يحذّر الفحص S8.3 إذا احتوى النص المصدر على نقطة مكررة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="326"/>
        <source>Check S8.4 warns if the source contains a double character.
Except the characters from Check S8.1 to S8.3, LetterOrNumber and the characters you wrote into the right line edit.</source>
        <translation>يحذّر الفحص S8.4 إذا احتوى النص المصدر على محرف مكرر.
باستثناء المحارف من الفحص S8.1 إلى S8.3، والمحارف LetterOrNumber، والمحارف التي كتبتها في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="330"/>
        <source>Check S9.1 warns if the source contains a double (Mark_Enclosing or Mark_NonSpacing or Mark_SpacingCombining).</source>
        <translation>يحذّر الفحص S9.1 إذا احتوى النص المصدر على محرف مكرر (Mark_Enclosing أو Mark_NonSpacing أو Mark_SpacingCombining).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="334"/>
        <source>Check S9.2 warns if the source contains a double (Punctuation_Connector or Punctuation_Dash).</source>
        <translation>يحذّر الفحص S9.2 إذا احتوى النص المصدر على محرف مكرر (Punctuation_Connector أو Punctuation_Dash).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="338"/>
        <source>Check S9.3 warns if the source contains a double (Symbol_Currency or Symbol_Modifier).</source>
        <translation>يحذّر الفحص S9.3 إذا احتوى النص المصدر على محرف مكرر (Symbol_Currency أو Symbol_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="342"/>
        <source>Check S9.4 warns if the source contains a double (Letter_Titlecase or Letter_Modifier).</source>
        <translation>يحذّر الفحص S9.4 إذا احتوى النص المصدر على محرف مكرر (Letter_Titlecase أو Letter_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="346"/>
        <source>Check S10.1 warns if a sentence in the source begins with a lowercase letter.</source>
        <translation>يحذّر الفحص S10.1 إذا بدأت جملة في النص المصدر بحرف صغير.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="350"/>
        <source>Check S11.1 lists all the words in the source with double letters.</source>
        <translation>يسرد الفحص S11.1 جميع الكلمات في النص المصدر التي تحتوي على حروف مكررة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="354"/>
        <source>Check S12.1 lists all the words in the source that are mixing uppercase or lowercase letters with letters that are not uppercase nor lowercase.</source>
        <translation>يسرد الفحص S12.1 جميع الكلمات في النص المصدر التي تخلط الحروف الكبيرة أو الصغيرة بحروف ليست كبيرة ولا صغيرة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="358"/>
        <source>Check S12.2 lists all the words in the source with an uppercase letter after a lowercase letter.</source>
        <translation>يسرد الفحص S12.2 جميع الكلمات في النص المصدر التي فيها حرف كبير بعد حرف صغير.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="362"/>
        <source>Check S12.3 lists all the words in the source with uppercase letters only.</source>
        <translation>يسرد الفحص S12.3 جميع الكلمات في النص المصدر المكتوبة بحروف كبيرة فقط.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="366"/>
        <source>Check S13.1 warns if a word is doubled in the source.</source>
        <translation>يحذّر الفحص S13.1 إذا تكررت كلمة في النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="370"/>
        <source>Check S14.1 warns if there is more than one QKeySequence in the source.</source>
        <translation>يحذّر الفحص S14.1 إذا احتوى النص المصدر على أكثر من QKeySequence واحد.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="374"/>
        <source>Check S14.2 warns if the QKeySequence is at the end of the source.</source>
        <translation>يحذّر الفحص S14.2 إذا كان QKeySequence في نهاية النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="378"/>
        <source>Check S14.3 lists all QKeySequence in the source sorted by keys.</source>
        <translation>يسرد الفحص S14.3 جميع QKeySequence في النص المصدر مرتبة حسب المفاتيح.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="382"/>
        <source>Check S14.4 lists all QKeySequence in the source sorted by source.</source>
        <translation>يسرد الفحص S14.4 جميع QKeySequence في النص المصدر مرتبة حسب النص المصدر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="386"/>
        <source>Check S15.1 lists all the words in the source. You can add more separator characters in the right line edit.</source>
        <translation>يسرد الفحص S15.1 جميع الكلمات في النص المصدر. يمكنك إضافة المزيد من محارف الفصل في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="390"/>
        <source>Check S16.1 lists all the sources (sorted alphabetically without duplicates).</source>
        <translation>يسرد الفحص S16.1 جميع النصوص المصدر (مرتبة أبجديًا دون تكرار).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="394"/>
        <source>Check S20.1 warns if an email in the source is not valid.</source>
        <translation>يحذّر الفحص S20.1 إذا كان عنوان بريد إلكتروني في النص المصدر غير صالح.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="398"/>
        <source>Check S20.2 warns if an URI in the source is not valid.</source>
        <translation>يحذّر الفحص S20.2 إذا كان أحد عناوين URI في النص المصدر غير صالح.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="402"/>
        <source>Check S21.1 warns if opening or closing brace of a xml tag is not found.</source>
        <translation>يحذّر الفحص S21.1 إذا لم يُعثر على قوس الفتح أو قوس الإغلاق لوسم XML.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="406"/>
        <source>Check S21.2 warns if a xml tag name is not fine.</source>
        <translation>يحذّر الفحص S21.2 إذا كان اسم وسم XML غير سليم.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="410"/>
        <source>Check S21.3 warns if a xml tag attributes are not fine.</source>
        <translation>يحذّر الفحص S21.3 إذا كانت سمات وسم XML غير سليمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="414"/>
        <source>Check S21.4 warns if the opening and the closing xml tags are not well-formed. (Parenthesischeck).</source>
        <translation>يحذّر الفحص S21.4 إذا لم تكن وسوم XML الافتتاحية والختامية متوازنة. (فحص الأقواس).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="418"/>
        <source>Check T0 warns if the translation has a wrong numerus.</source>
        <translation>يحذّر الفحص T0 إذا كانت صيغ الجمع في الترجمة خاطئة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="422"/>
        <source>Check T1.1 warns if the translation is empty.</source>
        <translation>يحذّر الفحص T1.1 إذا كانت الترجمة فارغة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="426"/>
        <source>Check T1.1b warns if the translation is marked as unfinished even it is not empty.</source>
        <translation>يحذّر الفحص T1.1b إذا كانت الترجمة معلّمة كغير منتهية رغم أنها ليست فارغة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="430"/>
        <source>Check T1.2 warns if the translation has more than x characters.</source>
        <translation>يحذّر الفحص T1.2 إذا احتوت الترجمة على أكثر من x من المحارف.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="434"/>
        <source>Check T1.3 warns if the translation has less than x letters or numbers.</source>
        <translation>يحذّر الفحص T1.3 إذا احتوت الترجمة على أقل من x من الحروف أو الأرقام.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="438"/>
        <source>Check T2.1 warns if the translation contains non-ASCII characters.</source>
        <translation>يحذّر الفحص T2.1 إذا احتوت الترجمة على محارف غير ASCII.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="442"/>
        <source>Check T2.2 warns if the translation contains control characters. (Exclusive of the warnings from Check T2.3.)</source>
        <translation>يحذّر الفحص T2.2 إذا احتوت الترجمة على محارف تحكم. (باستثناء تحذيرات الفحص T2.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="446"/>
        <source>Check T2.3 warns if the translation contains line feed characters.</source>
        <translation>يحذّر الفحص T2.3 إذا احتوت الترجمة على محارف سطر جديد.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="452"/>
        <source>Check T3.1 warns if first character of the translation is a line feed.</source>
        <translation>يحذّر الفحص T3.1 إذا كان المحرف الأول من الترجمة سطرًا جديدًا.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="456"/>
        <source>Check T3.2 warns if first character of the translation is a space. (Exclusive of the warnings from Check T3.1.)</source>
        <translation>يحذّر الفحص T3.2 إذا كان المحرف الأول من الترجمة مسافة. (باستثناء تحذيرات الفحص T3.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="460"/>
        <source>Check T3.3 warns if first character of the translation is Punctuation_Close or Punctuation_FinalQuote.</source>
        <translation>يحذّر الفحص T3.3 إذا كان المحرف الأول من الترجمة Punctuation_Close أو Punctuation_FinalQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="464"/>
        <source>Check T3.4 warns if first character of the translation is not (LetterOrNumber or Punctuation_Open or Punctuation_InitialQuote or x).
Except the characters from Check T3.1 to T3.3 and the characters you wrote into the right line edit.</source>
        <translation>يحذّر الفحص T3.4 إذا لم يكن المحرف الأول من الترجمة (LetterOrNumber أو Punctuation_Open أو Punctuation_InitialQuote أو x).
باستثناء المحارف من الفحص T3.1 إلى T3.3 والمحارف التي كتبتها في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="468"/>
        <source>Check T4.1 warns if the last character of the translation is a line feed.</source>
        <translation>يحذّر الفحص T4.1 إذا كان المحرف الأخير من الترجمة سطرًا جديدًا.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="472"/>
        <source>Check T4.2 warns if the last character of the translation is a space. (Exclusive of the warnings from Check T4.1.)</source>
        <translation>يحذّر الفحص T4.2 إذا كان المحرف الأخير من الترجمة مسافة. (باستثناء تحذيرات الفحص T4.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="476"/>
        <source>Check T4.3 warns if the last character of the translation is Punctuation_Open or Punctuation_InitialQuote.</source>
        <translation>يحذّر الفحص T4.3 إذا كان المحرف الأخير من الترجمة Punctuation_Open أو Punctuation_InitialQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="480"/>
        <source>Check T4.4 warns if the last character of the translation is not (LetterOrNumber or Punctuation_Close or Punctuation_FinalQuote or x).
Except the characters from Check T4.1 to T4.3 and the characters you wrote into the right line edit.</source>
        <translation>يحذّر الفحص T4.4 إذا لم يكن المحرف الأخير من الترجمة (LetterOrNumber أو Punctuation_Close أو Punctuation_FinalQuote أو x).
باستثناء المحارف من الفحص T4.1 إلى T4.3 والمحارف التي كتبتها في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="484"/>
        <source>Check T5.1 warns if the number of characters &quot; in the translation is odd. (It&apos;s too difficult to add this in Check T5.3)</source>
        <translation>يحذّر الفحص T5.1 إذا كان عدد المحارف &quot; في الترجمة فرديًا. (من الصعب جدًا إضافة ذلك إلى الفحص T5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="488"/>
        <source>Check T5.2 warns if the number of characters &apos; in the translation is odd. (It&apos;s too difficult to add this in Check T5.3)</source>
        <translation>يحذّر الفحص T5.2 إذا كان عدد المحارف &apos; في الترجمة فرديًا. (من الصعب جدًا إضافة ذلك إلى الفحص T5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="492"/>
        <source>Check T5.3 warns if the opening and the closing characters in the translation are not well-formed. (Parenthesischeck)</source>
        <translation>يحذّر الفحص T5.3 إذا لم تكن محارف الفتح والإغلاق في الترجمة متوازنة. (فحص الأقواس)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="496"/>
        <source>Check T6.1 warns if there is no space after comma or semicolon in the translation.</source>
        <translation>يحذّر الفحص T6.1 إذا لم توجد مسافة بعد الفاصلة أو الفاصلة المنقوطة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="500"/>
        <source>Check T6.2 warns if there is no space or closing character in the translation after full stop.</source>
        <translation>يحذّر الفحص T6.2 إذا لم توجد مسافة أو محرف إغلاق بعد النقطة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="504"/>
        <source>Check T6.3 warns if there is no space or closing character in the translation after exclamation mark or question mark.</source>
        <translation>يحذّر الفحص T6.3 إذا لم توجد مسافة أو محرف إغلاق بعد علامة التعجب أو علامة الاستفهام في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="508"/>
        <source>Check T6.4 warns if there is no space in the translation after colon.</source>
        <translation>يحذّر الفحص T6.4 إذا لم توجد مسافة بعد النقطتين في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="512"/>
        <source>Check T7.1 warns if there is a space before comma or semicolon in the translation.</source>
        <translation>يحذّر الفحص T7.1 إذا وُجدت مسافة قبل الفاصلة أو الفاصلة المنقوطة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="516"/>
        <source>Check T7.2 warns if there is a space or an opening character in the translation before full stop.</source>
        <translation>يحذّر الفحص T7.2 إذا وُجدت مسافة أو محرف فتح قبل النقطة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="520"/>
        <source>Check T7.3 warns if there is a space or an opening character in the translation before exclamation mark or question mark.</source>
        <translation>يحذّر الفحص T7.3 إذا وُجدت مسافة أو محرف فتح قبل علامة التعجب أو علامة الاستفهام في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="524"/>
        <source>Check T7.4 warns if there is a space or an opening character in the translation before colon.</source>
        <translation>يحذّر الفحص T7.4 إذا وُجدت مسافة أو محرف فتح قبل النقطتين في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="528"/>
        <source>Check T8.1 warns if the translation contains a double line feed.</source>
        <translation>يحذّر الفحص T8.1 إذا احتوت الترجمة على سطر جديد مكرر.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="532"/>
        <source>Check T8.2 warns if the translation contains a double space. (Exclusive of the warnings from Check T8.1.)</source>
        <translation>يحذّر الفحص T8.2 إذا احتوت الترجمة على مسافة مكررة. (باستثناء تحذيرات الفحص T8.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="536"/>
        <source>Check T8.3 warns if the translation contains a double dot.</source>
        <translation>يحذّر الفحص T8.3 إذا احتوت الترجمة على نقطة مكررة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="540"/>
        <source>Check T8.4 warns if the translation contains a double character.
Except the characters from Check S8.1 to S8.3, LetterOrNumber and the characters you wrote into the right line edit.</source>
        <translation>يحذّر الفحص T8.4 إذا احتوت الترجمة على محرف مكرر.
باستثناء المحارف من الفحص S8.1 إلى S8.3، والمحارف LetterOrNumber، والمحارف التي كتبتها في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="544"/>
        <source>Check T9.1 warns if the translation contains a double (Mark_Enclosing or Mark_NonSpacing or Mark_SpacingCombining).</source>
        <translation>يحذّر الفحص T9.1 إذا احتوت الترجمة على محرف مكرر (Mark_Enclosing أو Mark_NonSpacing أو Mark_SpacingCombining).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="548"/>
        <source>Check T9.2 warns if the translation contains a double (Punctuation_Connector or Punctuation_Dash).</source>
        <translation>يحذّر الفحص T9.2 إذا احتوت الترجمة على محرف مكرر (Punctuation_Connector أو Punctuation_Dash).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="552"/>
        <source>Check T9.3 warns if the translation contains a double (Symbol_Currency or Symbol_Modifier).</source>
        <translation>يحذّر الفحص T9.3 إذا احتوت الترجمة على محرف مكرر (Symbol_Currency أو Symbol_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="556"/>
        <source>Check T9.4 warns if the translation contains a double (Letter_Titlecase or Letter_Modifier).</source>
        <translation>يحذّر الفحص T9.4 إذا احتوت الترجمة على محرف مكرر (Letter_Titlecase أو Letter_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="560"/>
        <source>Check T10.1 warns if a sentence in the translation begins with a lowercase letter.</source>
        <translation>يحذّر الفحص T10.1 إذا بدأت جملة في الترجمة بحرف صغير.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="564"/>
        <source>Check T11.1 lists all the words in the translation with double letters.</source>
        <translation>يسرد الفحص T11.1 جميع الكلمات في الترجمة التي تحتوي على حروف مكررة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="568"/>
        <source>Check T12.1 lists all the words in the translation that are mixing uppercase or lowercase letters with letters that are not uppercase nor lowercase.</source>
        <translation>يسرد الفحص T12.1 جميع الكلمات في الترجمة التي تخلط الحروف الكبيرة أو الصغيرة بحروف ليست كبيرة ولا صغيرة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="572"/>
        <source>Check T12.2 lists all the words in the translation with an uppercase letter after a lowercase letter.</source>
        <translation>يسرد الفحص T12.2 جميع الكلمات في الترجمة التي فيها حرف كبير بعد حرف صغير.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="576"/>
        <source>Check T12.3 lists all the words in the translation with uppercase letters only.</source>
        <translation>يسرد الفحص T12.3 جميع الكلمات في الترجمة المكتوبة بحروف كبيرة فقط.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="580"/>
        <source>Check T13.1 warns if a word is doubled in the translation.</source>
        <translation>يحذّر الفحص T13.1 إذا تكررت كلمة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="584"/>
        <source>Check T14.1 warns if there is more than one QKeySequence in the translation.</source>
        <translation>يحذّر الفحص T14.1 إذا احتوت الترجمة على أكثر من QKeySequence واحد.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="588"/>
        <source>Check T14.2 warns if the QKeySequence is at the end of the translation.</source>
        <translation>يحذّر الفحص T14.2 إذا كان QKeySequence في نهاية الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="592"/>
        <source>Check T14.3 lists all QKeySequence in the translation sorted by keys.</source>
        <translation>يسرد الفحص T14.3 جميع QKeySequence في الترجمة مرتبة حسب المفاتيح.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="596"/>
        <source>Check T14.4 lists all QKeySequence in the translation sorted by translation.</source>
        <translation>يسرد الفحص T14.4 جميع QKeySequence في الترجمة مرتبة حسب الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="600"/>
        <source>Check T15.1 lists all the words in the translation. You can add more separator characters in the right line edit.</source>
        <translation>يسرد الفحص T15.1 جميع الكلمات في الترجمة. يمكنك إضافة المزيد من محارف الفصل في حقل الإدخال المجاور.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="604"/>
        <source>Check T16.1 lists all translations (sorted alphabetically without duplicates).</source>
        <translation>يسرد الفحص T16.1 جميع الترجمات (مرتبة أبجديًا دون تكرار).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="608"/>
        <source>Check T20.1 warns if an email in the translation is not valid.</source>
        <translation>يحذّر الفحص T20.1 إذا كان عنوان بريد إلكتروني في الترجمة غير صالح.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="612"/>
        <source>Check T20.2 warns if an URI in the translation is not valid.</source>
        <translation>يحذّر الفحص T20.2 إذا كان أحد عناوين URI في الترجمة غير صالح.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="616"/>
        <source>Check T21.1 warns if opening or closing brace of a xml tag is not found.</source>
        <translation>يحذّر الفحص T21.1 إذا لم يُعثر على قوس الفتح أو قوس الإغلاق لوسم XML.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="620"/>
        <source>Check T21.2 warns if a xml tag name is not fine.</source>
        <translation>يحذّر الفحص T21.2 إذا كان اسم وسم XML غير سليم.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="624"/>
        <source>Check T21.3 warns if a xml tag attributes are not fine.</source>
        <translation>يحذّر الفحص T21.3 إذا كانت سمات وسم XML غير سليمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="628"/>
        <source>Check T21.4 warns if the opening and the closing xml tags are not well-formed. (Parenthesischeck).</source>
        <translation>يحذّر الفحص T21.4 إذا لم تكن وسوم XML الافتتاحية والختامية متوازنة. (فحص الأقواس).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="632"/>
        <source>Check ST0 lists all used characters in the source and the translation.</source>
        <translation>يسرد الفحص ST0 جميع المحارف المستخدمة في النص المصدر وفي الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="636"/>
        <source>Check ST1.1</source>
        <translation>الفحص ST1.1</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="640"/>
        <source>Check ST1.2</source>
        <translation>الفحص ST1.2</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="644"/>
        <source>Check ST2.1 warns if the control characters in the source are not used in the translation.</source>
        <translation>يحذّر الفحص ST2.1 إذا لم تُستخدم محارف التحكم الموجودة في النص المصدر في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="648"/>
        <source>Check ST2.2 warns if the number of tabulations in the source is different in the translation.</source>
        <translation>يحذّر الفحص ST2.2 إذا اختلف عدد محارف الجدولة في النص المصدر عنه في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="652"/>
        <source>Check ST2.3 warns if the number of line feed characters in the source is different in the translation.</source>
        <translation>يحذّر الفحص ST2.3 إذا اختلف عدد محارف السطر الجديد في النص المصدر عنه في الترجمة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="656"/>
        <source>Check ST3.1 warns if source XOR translation begins with a line feed.</source>
        <translation>يحذّر الفحص ST3.1 إذا بدأ النص المصدر XOR الترجمة بسطر جديد.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="660"/>
        <source>Check ST3.2 warns if source XOR translation begins with a space. (Except ST3.1 warnings.)</source>
        <translation>يحذّر الفحص ST3.2 إذا بدأ النص المصدر XOR الترجمة بمسافة. (باستثناء تحذيرات ST3.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="664"/>
        <source>Check ST3.3 warns if source XOR translation begins with an opening character. (Except ST3.1 to ST3.2 warnings.)</source>
        <translation>يحذّر الفحص ST3.3 إذا بدأ النص المصدر XOR الترجمة بمحرف فتح. (باستثناء تحذيرات ST3.1 إلى ST3.2.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="668"/>
        <source>Check ST3.4 warns if source XOR translation begins with another character. (Except LetterOrNumber and ST3.1 to ST3.3 warnings.)</source>
        <translation>يحذّر الفحص ST3.4 إذا بدأ النص المصدر XOR الترجمة بمحرف آخر. (باستثناء LetterOrNumber وتحذيرات ST3.1 إلى ST3.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="672"/>
        <source>Check ST4.1 warns if source XOR translation ends with a line feed.</source>
        <translation>يحذّر الفحص ST4.1 إذا انتهى النص المصدر XOR الترجمة بسطر جديد.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="676"/>
        <source>Check ST4.2 warns if source XOR translation ends with a space. (Except ST4.1 warnings.)</source>
        <translation>يحذّر الفحص ST4.2 إذا انتهى النص المصدر XOR الترجمة بمسافة. (باستثناء تحذيرات ST4.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="680"/>
        <source>Check ST4.3 warns if source XOR translation ends with a closing character. (Except ST4.1 to ST4.2 warnings.)</source>
        <translation>يحذّر الفحص ST4.3 إذا انتهى النص المصدر XOR الترجمة بمحرف إغلاق. (باستثناء تحذيرات ST4.1 إلى ST4.2.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="684"/>
        <source>Check ST4.4 warns if source XOR translation ends with another character. (Except LetterOrNumber and ST4.1 to ST4.3 warnings.)</source>
        <translation>يحذّر الفحص ST4.4 إذا انتهى النص المصدر XOR الترجمة بمحرف آخر. (باستثناء LetterOrNumber وتحذيرات ST4.1 إلى ST4.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="688"/>
        <source>Check ST5.1 warns if source and translation contains a different number of &lt; and &gt;.</source>
        <translation>يحذّر الفحص ST5.1 إذا احتوى النص المصدر والترجمة على عدد مختلف من &lt; و &gt;.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="692"/>
        <source>Check ST5.2 warns if source and translation contains a different number of opening and closing characters.</source>
        <translation>يحذّر الفحص ST5.2 إذا احتوى النص المصدر والترجمة على عدد مختلف من محارف الفتح والإغلاق.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="696"/>
        <source>Check ST6.1 warns if source and translation contains a different number of colons.</source>
        <translation>يحذّر الفحص ST6.1 إذا احتوى النص المصدر والترجمة على عدد مختلف من النقطتين الرأسيتين.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="700"/>
        <source>Check ST6.2 warns if source and translation contains a different number of exclamation marks.</source>
        <translation>يحذّر الفحص ST6.2 إذا احتوى النص المصدر والترجمة على عدد مختلف من علامات التعجب.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="704"/>
        <source>Check ST6.3 warns if source and translation contains a different number of question marks.</source>
        <translation>يحذّر الفحص ST6.3 إذا احتوى النص المصدر والترجمة على عدد مختلف من علامات الاستفهام.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="708"/>
        <source>Check ST6.4 warns if source and translation contains a different number of full stops.</source>
        <translation>يحذّر الفحص ST6.4 إذا احتوى النص المصدر والترجمة على عدد مختلف من النقاط.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="712"/>
        <source>Check ST7.1 warns if source and translation contains a different number of ellipses.</source>
        <translation>يحذّر الفحص ST7.1 إذا احتوى النص المصدر والترجمة على عدد مختلف من علامات الحذف.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="716"/>
        <source>Check ST7.2 warns if source and translation contains a different number of other characters.</source>
        <translation>يحذّر الفحص ST7.2 إذا احتوى النص المصدر والترجمة على عدد مختلف من المحارف الأخرى.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="720"/>
        <source>Check ST8.1 warns if source and translation contains different numbers.</source>
        <translation>يحذّر الفحص ST8.1 إذا احتوى النص المصدر والترجمة على أرقام مختلفة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="724"/>
        <source>Check ST8.2 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1.</source>
        <translation>يحذّر الفحص ST8.2 إذا احتوى النص المصدر والترجمة على أرقام مختلفة. فحص أكثر صرامة، لكن باستثناء تحذيرات ST8.1.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="728"/>
        <source>Check ST8.3 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1 to ST8.2.</source>
        <translation>يحذّر الفحص ST8.3 إذا احتوى النص المصدر والترجمة على أرقام مختلفة. فحص أكثر صرامة، لكن باستثناء تحذيرات ST8.1 إلى ST8.2.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="732"/>
        <source>Check ST8.4 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1 to ST8.3.</source>
        <translation>يحذّر الفحص ST8.4 إذا احتوى النص المصدر والترجمة على أرقام مختلفة. فحص أكثر صرامة، لكن باستثناء تحذيرات ST8.1 إلى ST8.3.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="736"/>
        <source>Check ST9.1 warns if source and translation contains a different number of QKeySequence.</source>
        <translation>يحذّر الفحص ST9.1 إذا احتوى النص المصدر والترجمة على عدد مختلف من QKeySequence.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="740"/>
        <source>Check ST9.2 warns if source and translation contains a different number of arguments.</source>
        <translation>يحذّر الفحص ST9.2 إذا احتوى النص المصدر والترجمة على عدد مختلف من الوسائط.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="744"/>
        <source>Check ST9.3 warns if the arguments are not increasing by 1.</source>
        <translation>يحذّر الفحص ST9.3 إذا لم تتزايد الوسائط بمقدار 1.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="748"/>
        <source>Check ST10.1 warns if the source is not translated always identically.</source>
        <translation>يحذّر الفحص ST10.1 إذا لم يُترجم النص المصدر دائمًا بالطريقة نفسها.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="752"/>
        <source>Check ST11.1 warns if the same translation is used for different sources.</source>
        <translation>يحذّر الفحص ST11.1 إذا استُخدمت الترجمة نفسها لنصوص مصدر مختلفة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="756"/>
        <source>Check ST20.1 if source and translation contains a different emails.</source>
        <translation>يحذّر الفحص ST20.1 إذا احتوى النص المصدر والترجمة على عناوين بريد إلكتروني مختلفة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="760"/>
        <source>Check ST20.2 if source and translation contains a different URIs.</source>
        <translation>يحذّر الفحص ST20.2 إذا احتوى النص المصدر والترجمة على عناوين URI مختلفة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="764"/>
        <source>Check ST21.1 if source and translation contains a different number of tag.</source>
        <translation>يحذّر الفحص ST21.1 إذا احتوى النص المصدر والترجمة على عدد مختلف من الوسوم.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="768"/>
        <source>Check ST22.1 warns if the printf conversions (%d, %s, %1$s) of source and translation differ in number or type.</source>
        <translation>يحذّر الفحص ST22.1 إذا اختلفت تحويلات printf ‏(%d و%s و%1$s) في النص المصدر والترجمة في العدد أو النوع.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="772"/>
        <source>Check ST22.2 warns if source and translation contain different placeholders in braces ({name}, {0}).</source>
        <translation>يحذّر الفحص ST22.2 إذا احتوى النص المصدر والترجمة على عناصر نائبة مختلفة بين الأقواس المعقوفة ({name}، {0}).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="776"/>
        <source>Check ST22.3 warns if the translation of a text with markup contains a malformed entity, such as one without its closing semicolon.</source>
        <translation>يحذّر الفحص ST22.3 إذا احتوت ترجمة نص ذي ترميز على كيان مشوّه، مثل كيان بلا فاصلة منقوطة في نهايته.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="780"/>
        <source>Check ST22.4 warns if a plural message has fewer translated forms than the language has.</source>
        <translation>يحذّر الفحص ST22.4 إذا كانت لرسالة الجمع صيغ مترجمة أقل مما في اللغة.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="784"/>
        <source>Check ST22.5 warns if the translation is a copy of a source with at least two words. Words that stay the same:</source>
        <translation>يحذّر الفحص ST22.5 إذا كانت الترجمة نسخة من نص مصدر يضم كلمتين على الأقل. كلمات تبقى كما هي:</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="788"/>
        <source>Check ST22.6 warns if the source has a &quot;_&quot; accelerator and the translation has none (.po files).</source>
        <translation>يحذّر الفحص ST22.6 إذا احتوى النص المصدر على مفتاح تسريع &quot;_&quot; ولم تحتوِ الترجمة على أي منها (ملفات ‎.po).</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="44"/>
        <source>%1 marked as unfinished</source>
        <translation>⁨%1⁩ معلّمة كغير منتهية</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="96"/>
        <source>Last checks were done at %1</source>
        <translation>أُجريت آخر الفحوص في الساعة ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="110"/>
        <source>Read file %1.</source>
        <translation>تمت قراءة الملف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="112"/>
        <source>Read %1 files in %2.</source>
        <translation>تمت قراءة ⁨%1⁩ من الملفات في ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="114"/>
        <source>Read %1 sources.</source>
        <translation>تمت قراءة ⁨%1⁩ من النصوص المصدر.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="117"/>
        <source>Warning! %1 sources are empty! Compare Check S1.1.</source>
        <translation>تحذير! ⁨%1⁩ من النصوص المصدر فارغة! راجع الفحص S1.1.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="121"/>
        <source>Read %1 translations. %2 are marked as unfinished.</source>
        <translation>تمت قراءة ⁨%1⁩ من الترجمات. ⁨%2⁩ منها معلّمة كغير منتهية.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="126"/>
        <source>Warning! %1 translations are empty! Compare Check T1.1.</source>
        <translation>تحذير! ⁨%1⁩ من الترجمات فارغة! راجع الفحص T1.1.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="130"/>
        <source>The number of read sources and translations might be different because the source use %2 numerus while the translation uses %3 numerus.</source>
        <translation>قد يختلف عدد النصوص المصدر والترجمات المقروءة لأن النص المصدر يستخدم ⁨%2⁩ من صيغ الجمع بينما تستخدم الترجمة ⁨%3⁩.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="137"/>
        <source>%1 vanished sources (and translations) not imported.</source>
        <translation>لم يُستورد ⁨%1⁩ من النصوص المصدر المختفية (والترجمات).</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="60"/>
        <source>Format the results with html.</source>
        <translation>تنسيق النتائج باستخدام HTML.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="61"/>
        <source>Don&apos;t trim</source>
        <translation>بدون تشذيب</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="62"/>
        <source>Disallow numbers</source>
        <translation>عدم السماح بالأرقام</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="63"/>
        <source>Disallow times</source>
        <translation>عدم السماح بالأوقات</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="64"/>
        <source>Disallow Ellipsis (...)</source>
        <translation>عدم السماح بعلامة الحذف (...)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="65"/>
        <source>Split into two sentences if there is a line feed</source>
        <translation>التقسيم إلى جملتين عند وجود سطر جديد</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="66"/>
        <source>Case-Insensitive</source>
        <translation>دون تمييز حالة الأحرف</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="67"/>
        <source>Case-Sensitive</source>
        <translation>مع تمييز حالة الأحرف</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="68"/>
        <source>Skip numbers</source>
        <translation>تخطي الأرقام</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="69"/>
        <source>Don&apos;t allow &apos;-&gt;&apos;</source>
        <translation>عدم السماح بـ &apos;-&gt;&apos;</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="70"/>
        <source>Don&apos;t allow &apos; &lt; &apos;, &apos; &gt; &apos;, &apos; &lt;=&apos; and &apos; &gt;=&apos;</source>
        <translation>عدم السماح بـ &apos; &lt; &apos; و &apos; &gt; &apos; و &apos; &lt;=&apos; و &apos; &gt;=&apos;</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="71"/>
        <source>Qt html subset only</source>
        <translation>مجموعة HTML الفرعية لـ Qt فقط</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="72"/>
        <source>Strict xml</source>
        <translation>XML صارم</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="73"/>
        <source>Qt css subset only</source>
        <translation>مجموعة CSS الفرعية لـ Qt فقط</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="74"/>
        <source>Maybe copy and paste this list into LibreOffice Writer, Microsoft Word, Google Docs, Apple Pages or another software with a grammar and spell checker.</source>
        <translation>يمكنك نسخ هذه القائمة ولصقها في LibreOffice Writer أو Microsoft Word أو Google Docs أو Apple Pages أو أي برنامج آخر فيه مدقق نحوي وإملائي.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="78"/>
        <source>Please let me know if there are (too many) wrong warnings. I want to improve the test.</source>
        <translation>يرجى إعلامي إذا ظهرت تحذيرات خاطئة (كثيرة جدًا). أريد تحسين الفحص.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="92"/>
        <source>Include the characters &lt; and &gt; in Check S5.3</source>
        <translation>تضمين المحرفين &lt; و &gt; في الفحص S5.3</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="77"/>
        <source>Disallow listings with a Punctuation_Close at the beginning</source>
        <translation>عدم السماح بالتعدادات التي تبدأ بـ Punctuation_Close</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="97"/>
        <source>Include the characters &lt; and &gt; in Check T5.3</source>
        <translation>تضمين المحرفين &lt; و &gt; في الفحص T5.3</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="75"/>
        <source>This check will be affected by settings from check S15.1. Add more separator characters and trim in check S15.1 to get less words there, but more hits here.</source>
        <translation>يتأثر هذا الفحص بإعدادات الفحص S15.1. أضف المزيد من محارف الفصل وفعّل التشذيب في الفحص S15.1 لتحصل على كلمات أقل هناك ونتائج أكثر هنا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="76"/>
        <source>This check will be affected by settings from check T15.1. Add more separator characters and trim in check T15.1 to get less words there, but more hits here.</source>
        <translation>يتأثر هذا الفحص بإعدادات الفحص T15.1. أضف المزيد من محارف الفصل وفعّل التشذيب في الفحص T15.1 لتحصل على كلمات أقل هناك ونتائج أكثر هنا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="101"/>
        <source>» and « as a pair where the language quotes »so«</source>
        <translation>» و« زوجًا حيث تقتبس اللغة »هكذا«</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="118"/>
        <source>Skip placeholders, tags, abbreviations and letters without case</source>
        <translation>تخطَّ العناصر النائبة والوسوم والاختصارات والحروف التي لا حالة لها</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="124"/>
        <source>These checks will be affected by settings from check S15.1. Add more separator characters and trim in check S15.1 to get less words there, but more hits here.</source>
        <translation>تتأثر هذه الفحوص بإعدادات الفحص S15.1. أضف المزيد من محارف الفصل وفعّل التشذيب في الفحص S15.1 لتحصل على كلمات أقل هناك ونتائج أكثر هنا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="126"/>
        <source>These checks will be affected by settings from check T15.1. Add more separator characters and trim in check T15.1 to get less words there, but more hits here.</source>
        <translation>تتأثر هذه الفحوص بإعدادات الفحص T15.1. أضف المزيد من محارف الفصل وفعّل التشذيب في الفحص T15.1 لتحصل على كلمات أقل هناك ونتائج أكثر هنا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="142"/>
        <source>This settings will also affect checks S11 to S13. Add more separator characters and trim to get less words there, but more hits in the other checks.</source>
        <translation>تؤثر هذه الإعدادات أيضًا في الفحوص S11 إلى S13. أضف المزيد من محارف الفصل وفعّل التشذيب لتحصل على كلمات أقل هنا ونتائج أكثر في الفحوص الأخرى.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="147"/>
        <source>This settings will also affect check T11 to T13. Add more separator characters and trim to get less words there, but more hits in the other checks.</source>
        <translation>تؤثر هذه الإعدادات أيضًا في الفحوص T11 إلى T13. أضف المزيد من محارف الفصل وفعّل التشذيب لتحصل على كلمات أقل هنا ونتائج أكثر في الفحوص الأخرى.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="167"/>
        <source>Checks ST1 warn if the source length to translation length ratio is too small or too large.</source>
        <translation>تحذّر الفحوص ST1 إذا كانت نسبة طول النص المصدر إلى طول الترجمة صغيرة جدًا أو كبيرة جدًا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="168"/>
        <source>To reduce the number of false positive warnings the limits can be set 2 times. For source strings with less than x characters and for the other stings.</source>
        <translation>لتقليل عدد التحذيرات الإيجابية الكاذبة يمكن ضبط الحدود مرتين. للنصوص المصدر التي تحتوي على أقل من x من المحارف وللنصوص الأخرى.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="169"/>
        <source>Set the number x for the number of source characters in this spin box:</source>
        <translation>اضبط في مربع الأرقام هذا العدد x لعدد محارف النص المصدر:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="172"/>
        <source>Warn if the ratio (with source &lt; x) is lower than:</source>
        <translation>التحذير إذا كانت النسبة (عندما يكون النص المصدر &lt; x) أقل من:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="174"/>
        <source>Warn if the ratio (with source &lt; x) is greater than:</source>
        <translation>التحذير إذا كانت النسبة (عندما يكون النص المصدر &lt; x) أكبر من:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="177"/>
        <source>Warn if the ratio (with source &gt;= x) is lower than:</source>
        <translation>التحذير إذا كانت النسبة (عندما يكون النص المصدر &gt;= x) أقل من:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="179"/>
        <source>Warn if the ratio (with source &gt;= x) is greater than:</source>
        <translation>التحذير إذا كانت النسبة (عندما يكون النص المصدر &gt;= x) أكبر من:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="182"/>
        <source>Other limits for translations in Han, Hiragana, Katakana or Hangul, lower:</source>
        <translation>حدود أخرى للترجمات بالهانية أو الهيراغانا أو الكاتاكانا أو الهانغول، الأدنى:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="184"/>
        <source>greater:</source>
        <translation>الأعلى:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="187"/>
        <source>Quotes and brackets may move to the other end (also ST3.4, ST4.3, ST4.4)</source>
        <translation>يجوز أن تنتقل علامات الاقتباس والأقواس إلى الطرف الآخر (وكذلك ST3.4 وST4.3 وST4.4)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="188"/>
        <source>Brackets only, quotes and accelerator suffixes ignored</source>
        <translation>الأقواس فقط، مع تجاهل علامات الاقتباس ولواحق مفاتيح التسريع</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="189"/>
        <source>ASCII, full-width and native marks as one class (. 。, : ：, ? ？, ... …), also in ST4.4, ST7.1 and T6.2</source>
        <translation>علامات ASCII وكاملة العرض والأصلية صنفًا واحدًا (. 。، : ：، ? ？، ... …)، وكذلك في ST4.4 وST7.1 وT6.2</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="191"/>
        <source>Numbers normalised: digits of every script, both decimal separators, no placeholders, numbers only the translation adds not reported (also ST8.2 to ST8.4)</source>
        <translation>أرقام موحّدة: أرقام كل الكتابات، وكلا الفاصلين العشريين، دون العناصر النائبة، ولا يُبلَّغ عن أرقام تضيفها الترجمة وحدها (وكذلك ST8.2 إلى ST8.4)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="192"/>
        <source>Accelerators by file kind (&quot;_&quot; in .po files; a doubled ampersand is literal)</source>
        <translation>مفاتيح التسريع حسب نوع الملف (&quot;_&quot; في ملفات ‎.po؛ وعلامة العطف المضاعفة حرفية)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="194"/>
        <source>Disallow duplicates</source>
        <translation>عدم السماح بالتكرار</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="195"/>
        <source>Read %L1 and %1$s, not printf widths (also ST9.3)</source>
        <translation>اقرأ %L1 و%1$s، لا عروض printf (وكذلك ST9.3)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="197"/>
        <source>Compare like numerus forms only (also ST11.1)</source>
        <translation>قارن صيغ العدد المتماثلة فقط (وكذلك ST11.1)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="199"/>
        <source>Detect ~.</source>
        <translation>اكتشاف ~.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="200"/>
        <source>Detect :.</source>
        <translation>اكتشاف :.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="201"/>
        <source>Detect [].</source>
        <translation>اكتشاف [].</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="202"/>
        <source>Detect also single dot.</source>
        <translation>اكتشاف النقطة المفردة أيضًا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="203"/>
        <source>Detect also single slash.</source>
        <translation>اكتشاف الشرطة المائلة المفردة أيضًا.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="205"/>
        <source>Skip translator credits and &lt;user@host&gt; contact lines</source>
        <translation>تخطَّ شكر المترجمين وأسطر الاتصال &lt;user@host&gt;</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="206"/>
        <source>Only names of HTML elements make tags; &lt;empty&gt; and &lt;%1&gt; are text (also S21 and T21)</source>
        <translation>أسماء عناصر HTML وحدها تكوّن الوسوم؛ ‏&lt;empty&gt; و&lt;⁨%1⁩&gt; نص (وكذلك S21 وT21)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="386"/>
        <location filename="../app/mainwindow.cpp" line="414"/>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="387"/>
        <source>Open Directory (Filtered by file name)</source>
        <translation>فتح مجلد (مع التصفية حسب اسم الملف)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="388"/>
        <source>Open Directory (All files)</source>
        <translation>فتح مجلد (جميع الملفات)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="389"/>
        <source>Run Checks</source>
        <translation>تشغيل الفحوص</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="390"/>
        <source>Text Wrap Mode</source>
        <translation>التفاف النص</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="392"/>
        <source>Print Location</source>
        <translation>إظهار الموقع</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="499"/>
        <source>Welcome to Korvane (KVN)</source>
        <translation>مرحبًا بك في Korvane (KVN)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="500"/>
        <source>This software is designed to locate bugs in the source and the translation.</source>
        <translation>صُمّم هذا البرنامج لاكتشاف الأخطاء في النص المصدر وفي الترجمة.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="502"/>
        <source>It supports .ts files from Qt and .po files.</source>
        <translation>يدعم ملفات .ts من Qt وملفات .po.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="503"/>
        <source>KVN checks the sources (S) and the translations (T). Some checks compare the source with the translation (ST).</source>
        <translation>يفحص KVN النصوص المصدر (S) والترجمات (T). وبعض الفحوص تقارن النص المصدر بالترجمة (ST).</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="506"/>
        <source>The ST checks are not only useful for translators. Some of them are also useful for the source code developer.</source>
        <translation>فحوص ST ليست مفيدة للمترجمين فقط. بعضها مفيد أيضًا لمطوّر الشيفرة المصدرية.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="509"/>
        <source>There might be a lot of false positive warnings.</source>
        <translation>قد تظهر تحذيرات إيجابية كاذبة كثيرة.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="510"/>
        <source>Some checks have optional check boxes or spin boxes to reduce the number of false positive warnings.</source>
        <translation>لبعض الفحوص مربعات اختيار أو مربعات أرقام اختيارية لتقليل عدد التحذيرات الإيجابية الكاذبة.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="513"/>
        <source>Checked check boxes will always do more checks.</source>
        <translation>مربعات الاختيار المحددة تُجري دائمًا فحوصًا أكثر.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="514"/>
        <source>Several check boxes for the translation checks (T) are tristated. If a checkbox is partially checked (on most systems this is a full square), then the translation won&apos;t be checked if the source failed the same check number.</source>
        <translation>لعدة مربعات اختيار في فحوص الترجمة (T) ثلاث حالات. إذا كان مربع الاختيار محددًا جزئيًا (في معظم الأنظمة يظهر كمربع ممتلئ) فلن تُفحص الترجمة إذا فشل النص المصدر في الفحص ذي الرقم نفسه.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="519"/>
        <source>So if check T5.3 is partially checked then it skip the warning if S5.3 failed. Note that S5.3 uses its own optional check boxes, not the optional check boxes from T5.3.</source>
        <translation>فإذا كان الفحص T5.3 محددًا جزئيًا فإنه يتخطى التحذير إذا فشل الفحص S5.3. لاحظ أن S5.3 يستخدم مربعات الاختيار الاختيارية الخاصة به، وليس مربعات الاختيار الاختيارية الخاصة بـ T5.3.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="523"/>
        <source>Using the optional check boxes and spin boxes from the source checks can also reduce false positives from the translation checks.</source>
        <translation>يمكن لاستخدام مربعات الاختيار ومربعات الأرقام الاختيارية في فحوص النص المصدر أن يقلل أيضًا من النتائج الإيجابية الكاذبة في فحوص الترجمة.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="526"/>
        <source>Please let me know if the are too many false positives or missing checks.</source>
        <translation>يرجى إعلامي إذا كانت هناك نتائج إيجابية كاذبة كثيرة جدًا أو فحوص ناقصة.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="534"/>
        <source>Which characters are &apos;Punctuation_Open&apos;?</source>
        <translation>ما المحارف التي تُعد &apos;Punctuation_Open&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="536"/>
        <source>Which characters are &apos;Punctuation_InitialQuote&apos;?</source>
        <translation>ما المحارف التي تُعد &apos;Punctuation_InitialQuote&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="538"/>
        <source>Which characters are &apos;Punctuation_Close&apos;?</source>
        <translation>ما المحارف التي تُعد &apos;Punctuation_Close&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="540"/>
        <source>Which characters are &apos;Punctuation_FinalQuote&apos;?</source>
        <translation>ما المحارف التي تُعد &apos;Punctuation_FinalQuote&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="554"/>
        <source>Which characters are &apos;opening character&apos;?</source>
        <translation>ما المحارف التي تُعد &apos;محارف فتح&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="555"/>
        <source>All Punctuation_Open and Punctuation_InitialQuote characters.</source>
        <translation>جميع محارف Punctuation_Open و Punctuation_InitialQuote.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="557"/>
        <source>Which characters are &apos;closing character&apos;?</source>
        <translation>ما المحارف التي تُعد &apos;محارف إغلاق&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="558"/>
        <source>All Punctuation_Close and Punctuation_FinalQuote characters.</source>
        <translation>جميع محارف Punctuation_Close و Punctuation_FinalQuote.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="560"/>
        <source>Which characters are used for the &apos;Parenthesischeck&apos;?</source>
        <translation>ما المحارف المستخدمة في &apos;فحص الأقواس&apos;؟</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="561"/>
        <source>All opening characters and closing characters that have a &apos;mirroredChar&apos;.</source>
        <translation>جميع محارف الفتح والإغلاق التي لها &apos;mirroredChar&apos;.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="563"/>
        <source>Some of them can&apos;t be mirrored, since they are mirrored differently in other languages.</source>
        <translation>لا يمكن عكس بعضها لأنها تُعكس بشكل مختلف في لغات أخرى.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="565"/>
        <source>I will try to improve the check by adding localized rules.</source>
        <translation>سأحاول تحسين الفحص بإضافة قواعد خاصة بكل لغة.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="86"/>
        <source>Reading files...</source>
        <translation>جارٍ قراءة الملفات...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="87"/>
        <location filename="../app/mainwindow.cpp" line="517"/>
        <source>Abort</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="153"/>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="154"/>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="155"/>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="156"/>
        <source>Romanian</source>
        <translation>الرومانية</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="205"/>
        <source>Findings</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="225"/>
        <source>Editor Command</source>
        <translation>أمر المحرر</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="226"/>
        <source>The command that opens a file at a line (%f: the file, %l: the line).
Empty: $VISUAL or $EDITOR with +LINE, else the desktop&apos;s default application.</source>
        <translation>الأمر الذي يفتح ملفًا عند سطر (%f: الملف، %l: السطر).
فارغ: $VISUAL أو $EDITOR مع +LINE، وإلا فالتطبيق الافتراضي لسطح المكتب.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="397"/>
        <location filename="../app/mainwindow.cpp" line="402"/>
        <location filename="../app/mainwindow.cpp" line="516"/>
        <location filename="../app/mainwindow.cpp" line="895"/>
        <location filename="../app/mainwindow.cpp" line="909"/>
        <source>KVN</source>
        <translation>KVN</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="407"/>
        <source>Open Directory</source>
        <translation>فتح مجلد</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="428"/>
        <location filename="../app/mainwindow.cpp" line="452"/>
        <source>Multible files: %1</source>
        <translation>ملفات متعددة: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="443"/>
        <source>Select File):</source>
        <translation>اختر الملف:</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="444"/>
        <source>The selected file will be opend from %1
and all its subdirectories.</source>
        <translation>سيُفتح الملف المحدد من ⁨%1⁩
ومن جميع مجلداته الفرعية.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="448"/>
        <source>Select File</source>
        <translation>اختيار ملف</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="532"/>
        <source>Reading files... %1 of %2</source>
        <translation>جارٍ قراءة الملفات... ⁨%1⁩ من ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="576"/>
        <source>Files: %1   Messages: %2   Findings: %3   Time: %4 s</source>
        <translation>الملفات: ⁨%1⁩   الرسائل: ⁨%2⁩   النتائج: ⁨%3⁩   الوقت: ⁨%4⁩ ث</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="698"/>
        <source>Folder for the Logs</source>
        <translation>مجلد السجلات</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="725"/>
        <source>&amp;Language</source>
        <comment>Menu</comment>
        <translation>&amp;اللغة</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="726"/>
        <source>Ctrl+L</source>
        <comment>&amp;Language</comment>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="729"/>
        <source>E&amp;xit</source>
        <comment>Menu</comment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="734"/>
        <source>Translate ts</source>
        <comment>Menu</comment>
        <translation>ترجمة ts</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="737"/>
        <source>A&amp;bout</source>
        <comment>Menu. Don&apos;t use the shortcut for &apos;copy all&apos;!</comment>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="738"/>
        <source>Ctrl+B</source>
        <comment>A&amp;bout</comment>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="742"/>
        <source>About &amp;Qt</source>
        <comment>Menu</comment>
        <translation>حول &amp;Qt</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="745"/>
        <source>Clear Settings</source>
        <comment>Menu</comment>
        <translation>مسح الإعدادات</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="748"/>
        <source>&amp;Open File...</source>
        <comment>Menu</comment>
        <translation>&amp;فتح ملف...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="751"/>
        <source>Open Directory (&amp;Filtered by file name)...</source>
        <comment>Menu</comment>
        <translation>فتح مجلد (مع التصفية حسب اسم الملف)...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="753"/>
        <source>Open &amp;Directory (All files)...</source>
        <comment>Menu</comment>
        <translation>فتح مجلد (جميع الملفات)...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="755"/>
        <source>Save &amp;Report As...</source>
        <comment>Menu</comment>
        <translation>حفظ ال&amp;تقرير باسم...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="759"/>
        <source>&amp;Run Again</source>
        <comment>Menu</comment>
        <translation>إعادة &amp;التشغيل</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="763"/>
        <source>&amp;Hide Tabs Without Findings</source>
        <comment>Menu</comment>
        <translation>إ&amp;خفاء الألسنة التي لا نتائج فيها</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="767"/>
        <source>&amp;Find...</source>
        <comment>Menu</comment>
        <translation>ب&amp;حث...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="774"/>
        <source>Next Finding</source>
        <comment>Menu</comment>
        <translation>النتيجة التالية</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="777"/>
        <source>Previous Finding</source>
        <comment>Menu</comment>
        <translation>النتيجة السابقة</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="780"/>
        <source>&amp;Editor Command...</source>
        <comment>Menu</comment>
        <translation>أمر ال&amp;محرر...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="784"/>
        <source>Previous Tab</source>
        <comment>Menu</comment>
        <translation>اللسان السابق</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="787"/>
        <source>Next Tab</source>
        <comment>Menu</comment>
        <translation>اللسان التالي</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="792"/>
        <source>Batch Check Directory...</source>
        <comment>Menu</comment>
        <translation>فحص دفعي لمجلد...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="798"/>
        <source>&amp;File</source>
        <comment>Main menu</comment>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="806"/>
        <source>&amp;View</source>
        <comment>Main menu</comment>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="817"/>
        <source>&amp;Settings</source>
        <comment>Main menu</comment>
        <translation>الإ&amp;عدادات</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="819"/>
        <source>&amp;Profiles</source>
        <comment>Menu</comment>
        <translation>ال&amp;ملفات التعريفية</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="823"/>
        <source>&amp;Default</source>
        <translation>ال&amp;افتراضي</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="824"/>
        <source>&amp;Recommended</source>
        <translation>ال&amp;موصى به</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="825"/>
        <source>&amp;All</source>
        <translation>ال&amp;كل</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="837"/>
        <source>&amp;Translate</source>
        <comment>Main menu</comment>
        <translation>ال&amp;ترجمة</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="840"/>
        <source>&amp;Help</source>
        <comment>Main menu</comment>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="876"/>
        <source>Change Language</source>
        <translation>تغيير اللغة</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="876"/>
        <source>Select language:</source>
        <translation>اختر اللغة:</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="883"/>
        <location filename="../app/mainwindow.cpp" line="900"/>
        <source>KVN information</source>
        <translation>معلومات KVN</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="884"/>
        <source>Language %1 selected.</source>
        <translation>تم اختيار اللغة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="885"/>
        <source>KVN will now close to activate the new language. Please restart KVN.</source>
        <translation>سيُغلق KVN الآن لتفعيل اللغة الجديدة. يرجى إعادة تشغيل KVN.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="895"/>
        <source>Do you want to delete the settings?</source>
        <translation>هل تريد حذف الإعدادات؟</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="901"/>
        <source>Clear settings. KVN will close now. Please restart KVN.</source>
        <translation>تم مسح الإعدادات. سيُغلق KVN الآن. يرجى إعادة تشغيل KVN.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="910"/>
        <source>Set every check box and option of the panel as the profile %1 has them?</source>
        <translation>هل تريد ضبط كل مربعات الاختيار والخيارات في اللوحة كما هي في الملف التعريفي ⁨%1⁩؟</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="933"/>
        <source>Report text (*.txt)</source>
        <translation>نص التقرير (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="934"/>
        <source>One line per finding, as gcc (*.log)</source>
        <translation>سطر لكل نتيجة، على طريقة gcc (*.log)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="935"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="936"/>
        <source>SARIF (*.sarif)</source>
        <translation>SARIF (*.sarif)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="937"/>
        <source>CSV, for spreadsheets (*.csv)</source>
        <translation>CSV، لجداول البيانات (*.csv)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="950"/>
        <source>Save Report As...</source>
        <translation>حفظ التقرير باسم...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="968"/>
        <source>Could not write %1.</source>
        <translation>تعذّرت كتابة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="978"/>
        <source>Korvane (KVN) by Oskerbay.</source>
        <translation>Korvane (KVN) من Oskerbay.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="979"/>
        <source>KVN helps to find bugs in the source and the translation.</source>
        <translation>يساعد KVN على اكتشاف الأخطاء في النص المصدر وفي الترجمة.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="980"/>
        <source>Shared libraries by</source>
        <translation>المكتبات المشتركة من</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../report/formatters.cpp" line="19"/>
        <location filename="../report/formatters.cpp" line="43"/>
        <source>Found %1 item(s)</source>
        <translation>‎عُثر على ⁨%1⁩ من العناصر</translation>
    </message>
    <message>
        <location filename="../report/formatters.cpp" line="44"/>
        <source>Failed %1 time(s)</source>
        <translation>‎فشل ⁨%1⁩ مرة</translation>
    </message>
</context>
<context>
    <name>TranslateTsDialog</name>
    <message>
        <location filename="../assistant/exchange.cpp" line="52"/>
        <source>Reading %1 failed.</source>
        <translation>فشلت قراءة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="53"/>
        <source>Reading %1...</source>
        <translation>جارٍ قراءة ⁨%1⁩...</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="54"/>
        <source>Reading %1 done.</source>
        <translation>اكتملت قراءة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="56"/>
        <source>Reading %1 gave error code %2.</source>
        <translation>أعادت قراءة ⁨%1⁩ رمز الخطأ ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="57"/>
        <source>Writing %1 done.</source>
        <translation>اكتملت كتابة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="59"/>
        <source>Writing file %1 gave error code %2.</source>
        <translation>أعادت كتابة الملف ⁨%1⁩ رمز الخطأ ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="60"/>
        <source>Merging abort.</source>
        <translation>أُلغي الدمج.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="61"/>
        <source>Reading %1 stopped in line %2: the line is not UTF-8.</source>
        <translation>توقفت قراءة ⁨%1⁩ في السطر ⁨%2⁩: السطر ليس بترميز UTF-8.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="85"/>
        <source>Critical error.</source>
        <translation>خطأ فادح.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="152"/>
        <source>Reading %1 stopped in line %2: a &lt;%3&gt; element starts before the previous one ends.</source>
        <translation>توقفت قراءة ⁨%1⁩ في السطر ⁨%2⁩: يبدأ عنصر &lt;⁨%3⁩&gt; قبل أن ينتهي العنصر السابق.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="156"/>
        <source>Reading %1 stopped in line %2: the line ends a &lt;%3&gt; element before it starts one.</source>
        <translation>توقفت قراءة ⁨%1⁩ في السطر ⁨%2⁩: ينهي السطر عنصر &lt;⁨%3⁩&gt; قبل أن يبدأ واحدًا.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="164"/>
        <source>Reading %1 stopped: the &lt;%3&gt; element that starts in line %2 never ends.</source>
        <translation>توقفت قراءة ⁨%1⁩: عنصر &lt;⁨%3⁩&gt; الذي يبدأ في السطر ⁨%2⁩ لا ينتهي أبدًا.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="232"/>
        <source>Another process is working in %1. Please try again when it has finished.</source>
        <translation>هناك عملية أخرى تعمل في ⁨%1⁩. يرجى المحاولة مرة أخرى بعد انتهائها.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="247"/>
        <source>The file name gives no work folder below %1.</source>
        <translation>لا ينتج عن اسم الملف مجلد عمل داخل ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="253"/>
        <source>Creating %1 failed.</source>
        <translation>فشل إنشاء ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="262"/>
        <source>%1 is not a .ts file.</source>
        <translation>⁨%1⁩ ليس ملفًا بصيغة .ts.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="327"/>
        <source>Writing %1 failed.</source>
        <translation>فشلت كتابة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="331"/>
        <location filename="../assistant/exchange.cpp" line="736"/>
        <source>Writing %1...</source>
        <translation>جارٍ كتابة ⁨%1⁩...</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="333"/>
        <source>Writing %1 gave error code %2.</source>
        <translation>أعادت كتابة ⁨%1⁩ رمز الخطأ ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="348"/>
        <source>Now use the file %1, or copy and paste the source from the left box and let it translate.</source>
        <translation>استخدم الآن الملف ⁨%1⁩، أو انسخ النص المصدر من المربع الأيسر ودَعه يُترجَم.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="354"/>
        <source>If you let it translate by an AI, then it is clever to tell the AI more about the content.</source>
        <translation>إذا تركت الذكاء الاصطناعي يترجمه، فمن الحكمة أن تخبره بالمزيد عن المحتوى.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="357"/>
        <source>Example: </source>
        <translation>مثال: </translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="359"/>
        <source>Please translate the attached file %1 from English to German.</source>
        <translation>يرجى ترجمة الملف المرفق ⁨%1⁩ من الإنجليزية إلى العربية.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="363"/>
        <source>The texts come from a desktop program that checks the translation files of other software.</source>
        <translation>تأتي النصوص من برنامج لسطح المكتب يفحص ملفات الترجمة لبرامج أخرى.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="367"/>
        <source>Translate the word &apos;source&apos; as &apos;Quelltext&apos;.</source>
        <translation>ترجم كلمة &apos;source&apos; إلى &apos;النص المصدر&apos;.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="371"/>
        <source>Don&apos;t translate the &apos;*****&apos; characters. Keep them as they are.</source>
        <translation>لا تترجم المحارف &apos;*****&apos;. اتركها كما هي.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="375"/>
        <source>As soon as you have got the translated file, you can copy and paste the translation into the rigth box or store it next to file %1 with the name %2 and press the &apos;Merge Translation&apos; push button.</source>
        <translation>بمجرد حصولك على الملف المترجم، يمكنك نسخ الترجمة ولصقها في المربع الأيمن أو حفظها بجوار الملف ⁨%1⁩ باسم ⁨%2⁩ ثم الضغط على زر &apos;دمج الترجمة&apos;.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="395"/>
        <source>Reading %1</source>
        <translation>جارٍ قراءة ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="431"/>
        <source>Reading the translation from the right box now.</source>
        <translation>تجري الآن قراءة الترجمة من المربع الأيمن.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="435"/>
        <source>Reading the source from the left box now.</source>
        <translation>تجري الآن قراءة النص المصدر من المربع الأيسر.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="439"/>
        <source>The right translation box is empty.</source>
        <translation>مربع الترجمة الأيمن فارغ.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="441"/>
        <source>The left source box is empty.</source>
        <translation>مربع النص المصدر الأيسر فارغ.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="499"/>
        <source>Maybe let an AI check the grammar KVN_translation.txt file.</source>
        <translation>ربما تطلب من ذكاء اصطناعي تدقيق قواعد الملف KVN_translation.txt.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="553"/>
        <source>The merged file %1 is the file %2 itself.</source>
        <translation>الملف المدموج ⁨%1⁩ هو الملف ⁨%2⁩ نفسه.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="789"/>
        <source>No ts file selected.</source>
        <translation>لم يُحدّد ملف ts.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="516"/>
        <source>The number of source strings (%1) is not the same as the number of translation strings (%2).</source>
        <translation>عدد النصوص المصدر (⁨%1⁩) لا يساوي عدد نصوص الترجمة (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="522"/>
        <source>Number of source and translation strings are the same.</source>
        <translation>عدد النصوص المصدر ونصوص الترجمة متساوٍ.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="529"/>
        <source>Entry %1 of the source list is empty.</source>
        <translation>الإدخال ⁨%1⁩ في قائمة النصوص المصدر فارغ.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="544"/>
        <source>Reading file %1 failed.</source>
        <translation>فشلت قراءة الملف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="734"/>
        <source>Creating file %1 failed.</source>
        <translation>فشل إنشاء الملف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="629"/>
        <source>Line %2 of %1 holds an empty translation that is not alone on its line or not indented by %3 blanks.</source>
        <translation>يحتوي السطر ⁨%2⁩ من ⁨%1⁩ على ترجمة فارغة ليست وحدها في سطرها أو ليست مُزاحة بمقدار ⁨%3⁩ من المسافات.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="635"/>
        <source>Line %2 of %1 holds an empty translation without a source in front of it.</source>
        <translation>يحتوي السطر ⁨%2⁩ من ⁨%1⁩ على ترجمة فارغة دون نص مصدر قبلها.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="648"/>
        <source>The source of the translation in line %2 of %1 is not in the source list: %3</source>
        <translation>النص المصدر للترجمة في السطر ⁨%2⁩ من ⁨%1⁩ غير موجود في قائمة النصوص المصدر: ⁨%3⁩</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="684"/>
        <source>Added %1 translations and skiped %2 translations.</source>
        <translation>أُضيفت ⁨%1⁩ من الترجمات وتُخطّيت ⁨%2⁩ من الترجمات.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="688"/>
        <source>Please check the follwoing %1 numerus forms:</source>
        <translation>يرجى التحقق من صيغ الجمع التالية وعددها ⁨%1⁩:</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="693"/>
        <source>These %1 sources got an empty translation, their messages stay unfinished:</source>
        <translation>حصلت هذه النصوص المصدر وعددها ⁨%1⁩ على ترجمة فارغة، وستبقى رسائلها غير منتهية:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="33"/>
        <source>Select File</source>
        <translation>اختيار ملف</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="34"/>
        <source>Keep Unfinished flag</source>
        <translation>الإبقاء على علامة غير منتهية</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="35"/>
        <source>Merge Translation</source>
        <translation>دمج الترجمة</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="40"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="42"/>
        <source>KVN - Translate ts</source>
        <translation>KVN - ترجمة ts</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="71"/>
        <source>&amp;Sources for translation:</source>
        <translation>&amp;النصوص المصدرية للترجمة:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="72"/>
        <source>&amp;Translations to merge:</source>
        <translation>ال&amp;ترجمات المراد دمجها:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="79"/>
        <source>&amp;Messages:</source>
        <translation>ال&amp;رسائل:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="127"/>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
</context>
<context>
    <name>kvn</name>
    <message>
        <location filename="../model/profiles.cpp" line="8"/>
        <source>The built-in defaults.</source>
        <translation>الإعدادات الافتراضية المضمّنة.</translation>
    </message>
    <message>
        <location filename="../model/profiles.cpp" line="10"/>
        <source>Every check on, tri-state boxes fully checked.</source>
        <translation>كل الفحوص مفعّلة، ومربعات الحالات الثلاث محددة بالكامل.</translation>
    </message>
    <message>
        <location filename="../model/profiles.cpp" line="19"/>
        <source>The checks worth acting on, with the rule options that keep them quiet on correct translations.</source>
        <translation>الفحوص التي تستحق نتائجها العمل، مع خيارات القواعد التي تبقيها هادئة مع الترجمات الصحيحة.</translation>
    </message>
    <message>
        <location filename="../run/checklist.cpp" line="80"/>
        <source>Profiles:</source>
        <translation>التشكيلات:</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="35"/>
        <source>%1 does not exist.</source>
        <translation>⁨%1⁩ غير موجود.</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="38"/>
        <location filename="../cli/checkcommand.cpp" line="398"/>
        <source>cannot read the directory %1.</source>
        <translation>تعذّرت قراءة المجلد ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="43"/>
        <source>%1 is neither a regular file nor a directory.</source>
        <translation>⁨%1⁩ ليس ملفًا عاديًا ولا مجلدًا.</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="47"/>
        <source>%1 is an XLIFF file, which kvn does not read. Convert it to a .ts file with lconvert: lconvert -i %1 -o %2.ts</source>
        <translation>⁨%1⁩ ملف XLIFF، ولا يقرأ kvn هذا النوع. حوّله إلى ملف ts باستخدام lconvert: lconvert -i ⁨%1⁩ -o ⁨%2⁩.ts</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="37"/>
        <source>a value with a comma must be written in double quotes</source>
        <translation>يجب كتابة القيمة التي تحتوي على فاصلة بين علامتي اقتباس مزدوجتين</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="45"/>
        <source>not a boolean (true, false, 1 or 0)</source>
        <translation>ليست قيمة منطقية (true أو false أو 1 أو 0)</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="49"/>
        <source>not a check state (0 unchecked, 1 partially checked, 2 checked)</source>
        <translation>ليست حالة تحديد (0 غير محدد، 1 محدد جزئيًا، 2 محدد)</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="63"/>
        <source>not a number</source>
        <translation>ليست رقمًا</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="77"/>
        <source>%1: %2=%3: %4.</source>
        <translation>⁨%1⁩: ⁨%2⁩=⁨%3⁩: ⁨%4⁩.</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="92"/>
        <source>the key belongs in the group [MainWindow]</source>
        <translation>ينتمي المفتاح إلى المجموعة [MainWindow]</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="94"/>
        <source>the key belongs outside the group [MainWindow]</source>
        <translation>لا ينتمي المفتاح إلى المجموعة [MainWindow]</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="97"/>
        <location filename="../run/options.cpp" line="233"/>
        <source>unknown key</source>
        <translation>مفتاح غير معروف</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="113"/>
        <source>unknown check or group &apos;%1&apos; (kvn checks lists them)</source>
        <translation>فحص أو مجموعة غير معروفة &apos;⁨%1⁩&apos; (يسردها kvn checks)</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="123"/>
        <source>the list of checks is empty</source>
        <translation>قائمة الفحوص فارغة</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="160"/>
        <source>check %1 always runs and cannot be switched off</source>
        <translation>الفحص ⁨%1⁩ يعمل دائمًا ولا يمكن إيقافه</translation>
    </message>
    <message>
        <location filename="../run/baseline.cpp" line="124"/>
        <location filename="../run/options.cpp" line="179"/>
        <source>%1: the file cannot be read.</source>
        <translation>⁨%1⁩: تعذّرت قراءة الملف.</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="185"/>
        <source>%1: the file is not in INI format.</source>
        <translation>⁨%1⁩: الملف ليس بتنسيق INI.</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="215"/>
        <source>unknown profile &apos;%1&apos; (built-in profiles: %2; or a FILE.ini)</source>
        <translation>تشكيلة غير معروفة &apos;⁨%1⁩&apos; (التشكيلات المضمّنة: ⁨%2⁩؛ أو ملف FILE.ini)</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="73"/>
        <source>kvn: a path is missing.</source>
        <translation>kvn: المسار مفقود.</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="74"/>
        <source>kvn: expected %1 path, got %2.</source>
        <translation>kvn: كان المتوقع ⁨%1⁩ مسار، ووصل ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="222"/>
        <source>kvn: unknown format &apos;%1&apos; (%2).</source>
        <translation>kvn: تنسيق غير معروف &apos;⁨%1⁩&apos; (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="441"/>
        <source>kvn: unknown format &apos;%1&apos; (text or json).</source>
        <translation>kvn: تنسيق غير معروف &apos;⁨%1⁩&apos; (text أو json).</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="227"/>
        <source>kvn: unknown split mode &apos;%1&apos; (none, file or language).</source>
        <translation>kvn: نمط تقسيم غير معروف &apos;⁨%1⁩&apos; (none أو file أو language).</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="48"/>
        <source>kvn: --jobs needs a positive number, not &apos;%1&apos;.</source>
        <translation>kvn: يحتاج --jobs إلى عدد موجب، لا &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="234"/>
        <source>kvn: unknown tab &apos;%1&apos;. Tabs: %2</source>
        <translation>kvn: تبويب غير معروف &apos;⁨%1⁩&apos;. التبويبات: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="260"/>
        <source>kvn: --file-name needs a directory.</source>
        <translation>kvn: يحتاج --file-name إلى مجلد.</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="143"/>
        <source>kvn: a command is missing.</source>
        <translation>kvn: الأمر مفقود.</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="145"/>
        <source>kvn: unknown command &apos;%1&apos;.</source>
        <translation>kvn: أمر غير معروف &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <location filename="../run/baseline.cpp" line="112"/>
        <source>%1: the baseline cannot be written (%2).</source>
        <translation>⁨%1⁩: تعذّرت كتابة خط الأساس (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../run/baseline.cpp" line="129"/>
        <source>%1: not a kvn baseline (its first line is not &quot;%2&quot;).</source>
        <translation>⁨%1⁩: ليس خط أساس لـ kvn (سطره الأول ليس &quot;⁨%2⁩&quot;).</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="45"/>
        <source>the message it differs from</source>
        <translation>الرسالة التي تختلف عنها</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="147"/>
        <source>%1 findings (%2 errors, %3 warnings) in %4 files</source>
        <translation>⁨%1⁩ من النتائج (⁨%2⁩ من الأخطاء، ⁨%3⁩ من التحذيرات) في ⁨%4⁩ من الملفات</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="154"/>
        <source>; %1 silenced by kvn-ignore comments</source>
        <translation>؛ وأُسكت ⁨%1⁩ منها بتعليقات kvn-ignore</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="161"/>
        <source>%1 findings silenced by kvn-ignore comments</source>
        <translation>أُسكت ⁨%1⁩ من النتائج بتعليقات kvn-ignore</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <location filename="../input/fileproblems.h" line="56"/>
        <source>Too many problems in %1. Further problems of this file are not reported.</source>
        <translation>مشكلات كثيرة جدًا في ⁨%1⁩. لن يُبلّغ عن مشكلات أخرى في هذا الملف.</translation>
    </message>
    <message>
        <location filename="../input/fileproblems.h" line="80"/>
        <source>Line %1 in %2</source>
        <translation>السطر ⁨%1⁩ في ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="16"/>
        <source>! line.back()==&quot;&quot;&quot;</source>
        <translation>! line.back()==&quot;&quot;&quot;</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="17"/>
        <source>! line.at(0)==&quot;\&quot;&quot;</source>
        <translation>! line.at(0)==&quot;\&quot;&quot;</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="18"/>
        <source>! line.at(0)==(&quot;\&quot;&quot;)</source>
        <translation>! line.at(0)==(&quot;\&quot;&quot;)</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="19"/>
        <source>! line.count(&quot;\&quot;&quot;)&gt;1</source>
        <translation>! line.count(&quot;\&quot;&quot;)&gt;1</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="21"/>
        <source>! line.startsWith(&quot;\&quot;&quot;</source>
        <translation>! line.startsWith(&quot;\&quot;&quot;</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="22"/>
        <source>! line.startsWith(&quot;]&quot;)</source>
        <translation>! line.startsWith(&quot;]&quot;)</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="132"/>
        <source>Invalid characters for the encoding %1 found. They are replaced.</source>
        <translation>عُثر على محارف غير صالحة للترميز ⁨%1⁩. سيتم استبدالها.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="138"/>
        <source>NUL characters found. They are replaced.</source>
        <translation>عُثر على محارف NUL. سيتم استبدالها.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="148"/>
        <source>!wholeCurrentString.isEmpty()</source>
        <translation>!wholeCurrentString.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="223"/>
        <source>Unknown line.</source>
        <translation>سطر غير معروف.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="246"/>
        <source>Unknown flag &apos;%1&apos;.</source>
        <translation>علامة غير معروفة &apos;⁨%1⁩&apos;.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="254"/>
        <location filename="../input/poreader.cpp" line="264"/>
        <location filename="../input/poreader.cpp" line="270"/>
        <location filename="../input/poreader.cpp" line="668"/>
        <source>!locationInLinguist.isEmpty()</source>
        <translation>!locationInLinguist.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="268"/>
        <location filename="../input/poreader.cpp" line="300"/>
        <location filename="../input/poreader.cpp" line="340"/>
        <source>wholeCurrentString.isEmpty()</source>
        <translation>wholeCurrentString.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="273"/>
        <source>! index&gt;1</source>
        <translation>! index&gt;1</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="279"/>
        <location filename="../input/poreader.cpp" line="369"/>
        <location filename="../input/poreader.cpp" line="464"/>
        <source>&apos;msgidFound&apos; found</source>
        <translation>&apos;msgidFound&apos; موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="280"/>
        <location filename="../input/poreader.cpp" line="307"/>
        <location filename="../input/poreader.cpp" line="341"/>
        <location filename="../input/poreader.cpp" line="370"/>
        <location filename="../input/poreader.cpp" line="465"/>
        <location filename="../input/poreader.cpp" line="472"/>
        <location filename="../input/poreader.cpp" line="669"/>
        <source>&apos;msgstrFound&apos; found</source>
        <translation>&apos;msgstrFound&apos; موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="281"/>
        <location filename="../input/poreader.cpp" line="308"/>
        <location filename="../input/poreader.cpp" line="466"/>
        <location filename="../input/poreader.cpp" line="473"/>
        <location filename="../input/poreader.cpp" line="671"/>
        <source>&apos;msgid_pluralFound&apos; found</source>
        <translation>&apos;msgid_pluralFound&apos; موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="293"/>
        <source>Unknown escape sequence %1.</source>
        <translation>تسلسل هروب غير معروف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="301"/>
        <location filename="../input/poreader.cpp" line="343"/>
        <source>!source.isEmpty()</source>
        <translation>!source.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="304"/>
        <location filename="../input/poreader.cpp" line="335"/>
        <location filename="../input/poreader.cpp" line="346"/>
        <source>source.isEmpty()</source>
        <translation>source.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="305"/>
        <location filename="../input/poreader.cpp" line="348"/>
        <source>!sourcePlural.isEmpty()</source>
        <translation>!sourcePlural.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="306"/>
        <location filename="../input/poreader.cpp" line="357"/>
        <location filename="../input/poreader.cpp" line="388"/>
        <location filename="../input/poreader.cpp" line="471"/>
        <source>&apos;msgidFound&apos; not found</source>
        <translation>&apos;msgidFound&apos; غير موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="328"/>
        <source>!ok</source>
        <translation>!ok</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="336"/>
        <source>sourcePlural.isEmpty()</source>
        <translation>sourcePlural.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="359"/>
        <location filename="../input/poreader.cpp" line="386"/>
        <source>locationInLinguist.isEmpty()</source>
        <translation>locationInLinguist.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="368"/>
        <source>&apos;msgctxtFound&apos; found</source>
        <translation>&apos;msgctxtFound&apos; موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="375"/>
        <source>Second empty line found.</source>
        <translation>عُثر على سطر فارغ ثانٍ.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="389"/>
        <location filename="../input/poreader.cpp" line="478"/>
        <location filename="../input/poreader.cpp" line="663"/>
        <source>&apos;msgstrFound&apos; not found</source>
        <translation>&apos;msgstrFound&apos; غير موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="411"/>
        <source>&apos;msgid_pluralFound&apos; not found</source>
        <translation>&apos;msgid_pluralFound&apos; غير موجود</translation>
    </message>
    <message>
        <location filename="../input/fileproblems.h" line="34"/>
        <source>Wrong number of plurals (%1 != %2).</source>
        <translation>عدد خاطئ من صيغ الجمع (⁨%1⁩ != ⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="458"/>
        <source>Information: This .po file has not been translated earlier</source>
        <translation>معلومة: لم يُترجم ملف .po هذا من قبل</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="455"/>
        <source>#, is not supported yet</source>
        <translation>#, غير مدعوم بعد</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="462"/>
        <source>&apos;msgctxt&apos; found</source>
        <translation>&apos;msgctxt&apos; موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="485"/>
        <source>Space after comment character # not found</source>
        <translation>المسافة بعد محرف التعليق # غير موجودة</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="487"/>
        <source>&apos;Unknown line</source>
        <translation>سطر غير معروف</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="531"/>
        <source>&apos;nplurals&apos; not found</source>
        <translation>&apos;nplurals&apos; غير موجود</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="543"/>
        <source>&apos;nplurals&apos; is mot a number.</source>
        <translation>&apos;nplurals&apos; ليس رقمًا.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="558"/>
        <source>&apos;nplurals&apos; is %1 while &apos;maxNumerusTranslation&apos; is %2. Language not supported?</source>
        <translation>قيمة &apos;nplurals&apos; هي ⁨%1⁩ بينما قيمة &apos;maxNumerusTranslation&apos; هي ⁨%2⁩. هل اللغة غير مدعومة؟</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="563"/>
        <source>&apos;nplurals&apos; is %1 while &apos;maxNumerusTranslation&apos; is %2. Looks like an incorrect .po file.</source>
        <translation>قيمة &apos;nplurals&apos; هي ⁨%1⁩ بينما قيمة &apos;maxNumerusTranslation&apos; هي ⁨%2⁩. يبدو أن ملف .po غير صحيح.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="576"/>
        <source>The charset %1 is not supported. The file was read as UTF-8.</source>
        <translation>مجموعة المحارف ⁨%1⁩ غير مدعومة. قُرئ الملف بترميز UTF-8.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="649"/>
        <source>The file has no header: its first entry has a message id. The entry is checked as a message.</source>
        <translation>ليس للملف ترويسة: للإدخال الأول فيه معرّف رسالة. يُفحص هذا الإدخال كرسالة.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="657"/>
        <source>The file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="673"/>
        <source>!translationList.isEmpty()</source>
        <translation>!translationList.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="20"/>
        <source>Could not open file. It is not existing or in use.</source>
        <translation>تعذّر فتح الملف. إنه غير موجود أو قيد الاستخدام.</translation>
    </message>
    <message>
        <location filename="../checks/results.cpp" line="121"/>
        <source>%1:%2: kvn-ignore names no check: %3</source>
        <translation>⁨%1⁩:⁨%2⁩: ما يسمّيه kvn-ignore ليس فحصًا: ⁨%3⁩</translation>
    </message>
    <message>
        <location filename="../checks/results.cpp" line="134"/>
        <source>Please report this error to Oskerbay! I want to improve KVN.</source>
        <translation>يرجى الإبلاغ عن هذا الخطأ إلى Oskerbay! أريد تحسين KVN.</translation>
    </message>
    <message>
        <location filename="../checks/results.cpp" line="165"/>
        <source>Too many findings of check %1 in one text. Its further findings in this text are not reported.</source>
        <translation>نتائج كثيرة جدًا للفحص ⁨%1⁩ في نص واحد. لن يُبلّغ عن نتائج أخرى له في هذا النص.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="121"/>
        <source>Unknown tag %1.</source>
        <translation>وسم غير معروف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="156"/>
        <source>Second &apos;TS&apos; found.</source>
        <translation>عُثر على &apos;TS&apos; ثانٍ.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="165"/>
        <source>There are length variants in this file. Import not complete, since this feature is not included yet.</source>
        <translation>يحتوي هذا الملف على متغيرات طول. الاستيراد غير مكتمل لأن هذه الميزة غير مضمّنة بعد.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="175"/>
        <source>Error while reading the file.</source>
        <translation>خطأ أثناء قراءة الملف.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="202"/>
        <source>Second &apos;source&apos; found.</source>
        <translation>عُثر على &apos;source&apos; ثانٍ.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="225"/>
        <source>Missing or invalid &apos;line&apos; attribute.</source>
        <translation>السمة &apos;line&apos; مفقودة أو غير صالحة.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="238"/>
        <source>Second &apos;translation&apos; found.</source>
        <translation>عُثر على &apos;translation&apos; ثانٍ.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="267"/>
        <source>Numerus in the translation found, even the message is not a numerus.</source>
        <translation>عُثر على صيغة جمع في الترجمة رغم أن الرسالة ليست بصيغ جمع.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="278"/>
        <source>Numerus in the source not found, even the message is a numerus. Line %1</source>
        <translation>لم يُعثر على صيغة جمع في النص المصدر رغم أن الرسالة بصيغ جمع. السطر ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="284"/>
        <source>Location of the numerus in the source unclear, since there is not exact one opening brace. Line %1</source>
        <translation>موضع صيغة الجمع في النص المصدر غير واضح لعدم وجود قوس فتح واحد بالضبط. السطر ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="290"/>
        <source>Location of the numerus in the source unclear, since there is not exact one closing brace. Line %1</source>
        <translation>موضع صيغة الجمع في النص المصدر غير واضح لعدم وجود قوس إغلاق واحد بالضبط. السطر ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="321"/>
        <source>Numerus in translation not found, even the message is a numerus.</source>
        <translation>لم يُعثر على صيغة جمع في الترجمة رغم أن الرسالة بصيغ جمع.</translation>
    </message>
    <message>
        <location filename="../checks/brackets.cpp" line="50"/>
        <source>%1 is not opened before position %2.</source>
        <translation>⁨%1⁩ غير مفتوح قبل الموضع ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/brackets.cpp" line="55"/>
        <source>Missing %1 at position %2.</source>
        <translation>⁨%1⁩ مفقود في الموضع ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/brackets.cpp" line="62"/>
        <source>%1 is not closed.</source>
        <translation>⁨%1⁩ غير مغلق.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="40"/>
        <source>Please report it to me (%1), so i will improve the check.</source>
        <translation>يرجى إبلاغي بذلك (⁨%1⁩) لأحسّن الفحص.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="47"/>
        <source>You are using character %1.</source>
        <translation>أنت تستخدم المحرف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="61"/>
        <source>You are using a non-supported printable character (unicode=%1).</source>
        <translation>أنت تستخدم محرفًا قابلًا للطباعة غير مدعوم (unicode=⁨%1⁩).</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="72"/>
        <source>You are using a non-supported unprintable character (unicode=%1).</source>
        <translation>أنت تستخدم محرفًا غير قابل للطباعة وغير مدعوم (unicode=⁨%1⁩).</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="107"/>
        <source>This character isn&apos;t supported in the parentheses check yet.</source>
        <translation>هذا المحرف غير مدعوم بعد في فحص الأقواس.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="110"/>
        <source>This character isn&apos;t supported in the compare numbers check yet.</source>
        <translation>هذا المحرف غير مدعوم بعد في فحص مقارنة الأرقام.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="114"/>
        <source>Local characters: %1</source>
        <translation>المحارف المحلية: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="116"/>
        <source>Latin characters: %1</source>
        <translation>المحارف اللاتينية: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="118"/>
        <source>Common characters: %1</source>
        <translation>المحارف المشتركة: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="120"/>
        <source>Inherited characters: %1</source>
        <translation>المحارف الموروثة: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="122"/>
        <source>Please report that you are using other characters! I want to improve the check.</source>
        <translation>يرجى الإبلاغ عن استخدامك لمحارف أخرى! أريد تحسين الفحص.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="125"/>
        <source>Other characters: %1</source>
        <translation>محارف أخرى: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="150"/>
        <source>Used characters in the source:</source>
        <translation>المحارف المستخدمة في النص المصدر:</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="153"/>
        <source>Used characters in the translation:</source>
        <translation>المحارف المستخدمة في الترجمة:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="523"/>
        <source>Source to translation ratio is %1:</source>
        <translation>نسبة النص المصدر إلى الترجمة هي ⁨%1⁩:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="546"/>
        <source>Different control keys included in source and translation:</source>
        <translation>محارف تحكم مختلفة في النص المصدر والترجمة:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="550"/>
        <source>There are %1 tabulations in the source but %2 tabulations in the translation:</source>
        <translation>يحتوي النص المصدر على ⁨%1⁩ من محارف الجدولة بينما تحتوي الترجمة على ⁨%2⁩ منها:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="557"/>
        <source>There are %1 line feed characters in the source but %2 line feed characters in the translation:</source>
        <translation>يحتوي النص المصدر على ⁨%1⁩ من محارف السطر الجديد بينما تحتوي الترجمة على ⁨%2⁩ منها:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="660"/>
        <source>Counting character %1. It is %2 times in the source but %3 times in the translation.</source>
        <translation>عدّ المحرف ⁨%1⁩. يرد ⁨%2⁩ مرة في النص المصدر لكن ⁨%3⁩ مرة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="686"/>
        <source>Missing numbers in the translation:</source>
        <translation>أرقام مفقودة في الترجمة:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="687"/>
        <source>Missing numbers in the source:</source>
        <translation>أرقام مفقودة في النص المصدر:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="759"/>
        <source>Counting number %1. It is %2 times in source but %3 times in translation.</source>
        <translation>عدّ الرقم ⁨%1⁩. يرد ⁨%2⁩ مرة في النص المصدر لكن ⁨%3⁩ مرة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="792"/>
        <source>Counting number %1. It is %2 times in source but %3 times in translation</source>
        <translation>عدّ الرقم ⁨%1⁩. يرد ⁨%2⁩ مرة في النص المصدر لكن ⁨%3⁩ مرة في الترجمة</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="913"/>
        <source>Counting email %1. It is %2 times in source but %3 times in translation.</source>
        <translation>عدّ البريد الإلكتروني ⁨%1⁩. يرد ⁨%2⁩ مرة في النص المصدر لكن ⁨%3⁩ مرة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="916"/>
        <source>Counting URI %1. It is %2 times in source but %3 times in translation.</source>
        <translation>عدّ URI ⁨%1⁩. يرد ⁨%2⁩ مرة في النص المصدر لكن ⁨%3⁩ مرة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="919"/>
        <source>Counting tag %1. It is %2 times in source but %3 times in translation.</source>
        <translation>عدّ الوسم ⁨%1⁩. يرد ⁨%2⁩ مرة في النص المصدر لكن ⁨%3⁩ مرة في الترجمة.</translation>
    </message>
    <message>
        <location filename="../checks/doubles.cpp" line="121"/>
        <source>Double character %1 at position %2:</source>
        <translation>محرف مكرر ⁨%1⁩ في الموضع ⁨%2⁩:</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="261"/>
        <source>Missing language in file %1.</source>
        <translation>اللغة مفقودة في الملف ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="263"/>
        <source>Reading multible files with different languages. (%1 != %2). File %3.</source>
        <translation>تجري قراءة ملفات متعددة بلغات مختلفة. (⁨%1⁩ != ⁨%2⁩). الملف ⁨%3⁩.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="269"/>
        <source>Languarges are too different. Some checks will fail.</source>
        <translation>اللغات مختلفة جدًا. ستفشل بعض الفحوص.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="275"/>
        <source>Missing language in file %1. Set to &apos;---KVN UNKNOWN---&apos;.</source>
        <translation>اللغة مفقودة في الملف ⁨%1⁩. عُيّنت إلى &apos;---KVN UNKNOWN---&apos;.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="277"/>
        <source>Some checks will fail, because the language in unknown in %1.</source>
        <translation>ستفشل بعض الفحوص لأن اللغة غير معروفة في ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="291"/>
        <source>Unknown rules for %1. Please contact Oskerbay.</source>
        <translation>قواعد غير معروفة لـ ⁨%1⁩. يرجى التواصل مع Oskerbay.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="269"/>
        <source>Missing tag name diretly after character /.</source>
        <translation>اسم الوسم مفقود مباشرة بعد المحرف /.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="275"/>
        <source>%1 is an empty element and can&apos;t start with /. It can only end with /.</source>
        <translation>⁨%1⁩ عنصر فارغ ولا يمكن أن يبدأ بـ /. يمكن أن ينتهي بـ / فقط.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="297"/>
        <source>&lt;%1&gt; is not opened before position %2.</source>
        <translation>&lt;⁨%1⁩&gt; غير مفتوح قبل الموضع ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="302"/>
        <source>Missing &lt;%1&gt; at position %2.</source>
        <translation>&lt;⁨%1⁩&gt; مفقود في الموضع ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="361"/>
        <source>Second opening brace found, but the previous isn&apos;t closed.</source>
        <translation>عُثر على قوس فتح ثانٍ، لكن القوس السابق غير مغلق.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="362"/>
        <source>Second opening brace found, but tag &lt;%1&gt; is&apos;t closed.</source>
        <translation>عُثر على قوس فتح ثانٍ، لكن الوسم &lt;⁨%1⁩&gt; غير مغلق.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="428"/>
        <location filename="../checks/scanners.cpp" line="430"/>
        <source>&lt;%1&gt; is not closed.</source>
        <translation>&lt;⁨%1⁩&gt; غير مغلق.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="432"/>
        <source>Attributevalue in &lt;%1&gt; is not closed.</source>
        <translation>قيمة السمة في &lt;⁨%1⁩&gt; غير مغلقة.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="76"/>
        <source>Missing local part.</source>
        <translation>الجزء المحلي مفقود.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="80"/>
        <source>Incorrect domain name.</source>
        <translation>اسم نطاق غير صحيح.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="84"/>
        <source>Too large local part.</source>
        <translation>الجزء المحلي طويل جدًا.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="88"/>
        <source>Double dot is not allowed.</source>
        <translation>النقطة المكررة غير مسموح بها.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="92"/>
        <source>Too many @ characters.</source>
        <translation>محارف @ كثيرة جدًا.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="96"/>
        <source>Email starts with character &apos;.&apos;.</source>
        <translation>يبدأ البريد الإلكتروني بالمحرف &apos;.&apos;.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="100"/>
        <source>Not allowed character %1 in email %2.</source>
        <translation>محرف غير مسموح به ⁨%1⁩ في البريد الإلكتروني ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="118"/>
        <source>Hyphen can&apos;t be the first character of a domain.</source>
        <translation>لا يمكن أن تكون الشرطة أول محرف في النطاق.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="122"/>
        <source>Hyphen can&apos;t be the last character of a domain.</source>
        <translation>لا يمكن أن تكون الشرطة آخر محرف في النطاق.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="129"/>
        <source>Domain lable is too large.</source>
        <translation>تسمية النطاق طويلة جدًا.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="138"/>
        <source>Numeric only domain name is not allowed.</source>
        <translation>اسم النطاق الرقمي فقط غير مسموح به.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="148"/>
        <source>Not allowed character %1 in URI %2.</source>
        <translation>محرف غير مسموح به ⁨%1⁩ في URI ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="169"/>
        <source>Tag name is empty. There is maybe a space before the tag name.</source>
        <translation>اسم الوسم فارغ. ربما توجد مسافة قبل اسم الوسم.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="175"/>
        <location filename="../checks/validators.cpp" line="215"/>
        <source>%1 is not included in the Qt subset.</source>
        <translation>⁨%1⁩ غير مضمّن في مجموعة Qt الفرعية.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="182"/>
        <source>Not allowed character %1 in name %2.</source>
        <translation>محرف غير مسموح به ⁨%1⁩ في الاسم ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="195"/>
        <source>Missing equal signin attribute %1.</source>
        <translation>علامة المساواة مفقودة في السمة ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="204"/>
        <source>Not allowed character %1 in attribute %2.</source>
        <translation>محرف غير مسموح به ⁨%1⁩ في السمة ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../checks/words.cpp" line="100"/>
        <source>Found duplicate word &apos;%1&apos; at position %2.</source>
        <translation>عُثر على كلمة مكررة &apos;⁨%1⁩&apos; في الموضع ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../input/walk.cpp" line="91"/>
        <source>Could not open directory. It is not existing or not readable.</source>
        <translation>تعذّر فتح المجلد. إنه غير موجود أو غير قابل للقراءة.</translation>
    </message>
    <message>
        <location filename="../input/walk.cpp" line="97"/>
        <source>The name %1 is not UTF-8; the file or directory was not read.</source>
        <translation>الاسم ⁨%1⁩ ليس بترميز UTF-8؛ لم يُقرأ الملف أو المجلد.</translation>
    </message>
    <message>
        <location filename="../input/walk.cpp" line="40"/>
        <source>Skipped %1: not a Qt Linguist file.</source>
        <translation>تم تخطي ⁨%1⁩: ليس ملف Qt Linguist.</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="410"/>
        <source>Different printf conversions. Source: %1 Translation: %2</source>
        <translation>تحويلات printf مختلفة. المصدر: ⁨%1⁩ الترجمة: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="434"/>
        <source>Placeholders missing in the translation: %1</source>
        <translation>عناصر نائبة مفقودة في الترجمة: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="439"/>
        <source>Placeholders not in the source: %1</source>
        <translation>عناصر نائبة ليست في المصدر: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="450"/>
        <source>Malformed entities in the translation: %1</source>
        <translation>كيانات مشوّهة في الترجمة: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="457"/>
        <source>The translation is a copy of the source:</source>
        <translation>الترجمة نسخة من النص المصدر:</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="461"/>
        <source>The source has a &quot;_&quot; accelerator, the translation has none:</source>
        <translation>في النص المصدر مفتاح تسريع &quot;_&quot; وليس في الترجمة أي منها:</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="473"/>
        <source>The translation has %1 plural forms, the language has %2:</source>
        <translation>للترجمة ⁨%1⁩ من صيغ الجمع، وللغة ⁨%2⁩:</translation>
    </message>
    <message>
        <location filename="../input/fileaccess.cpp" line="45"/>
        <source>%1 is not a regular file.</source>
        <translation>⁨%1⁩ ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <location filename="../input/fileaccess.cpp" line="47"/>
        <source>%1 is larger than 2 GiB.</source>
        <translation>⁨%1⁩ أكبر من 2 GiB.</translation>
    </message>
</context>
</TS>
