<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>CheckHelp</name>
    <message>
        <location filename="../model/catalogue.cpp" line="44"/>
        <source>To silence it: a &quot;kvn-ignore: %1&quot; comment, or --disable %1.</source>
        <translation>Pentru a o dezactiva: un comentariu &quot;kvn-ignore: %1&quot; sau --disable %1.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="207"/>
        <source>A damaged catalogue: XML or PO syntax that cannot be read, or a file that is not a catalogue.
Example: a .ts file cut off after &quot;&lt;message&gt;&quot;</source>
        <translation>Un catalog deteriorat: sintaxă XML sau PO care nu poate fi citită, sau un fișier care nu este un catalog.
Exemplu: un fișier .ts întrerupt după &quot;&lt;message&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="211"/>
        <source>A plural source whose numerus does not match the message.
Example: a numerus=&quot;yes&quot; message with no %n</source>
        <translation>O sursă la plural al cărei numerus nu se potrivește cu mesajul.
Exemplu: un mesaj numerus=&quot;yes&quot; fără %n</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="215"/>
        <source>A source that is empty.
Example: &lt;source&gt;&lt;/source&gt;</source>
        <translation>O sursă goală.
Exemplu: &lt;source&gt;&lt;/source&gt;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="219"/>
        <source>A source longer than the number of characters set on the row.
Example: a whole paragraph of help in one message</source>
        <translation>O sursă mai lungă decât numărul de caractere setat pe rând.
Exemplu: un paragraf întreg de ajutor într-un singur mesaj</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="223"/>
        <source>A source with fewer letters or numbers than set on the row.
Example: &quot;-&quot; or &quot;?&quot;</source>
        <translation>O sursă cu mai puține litere sau cifre decât s-a setat pe rând.
Exemplu: &quot;-&quot; sau &quot;?&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="227"/>
        <source>A source with a character outside ASCII.
Example: &quot;Café&quot;</source>
        <translation>O sursă cu un caracter din afara ASCII.
Exemplu: &quot;Café&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="231"/>
        <source>A source with a control character other than the line feed.
Example: &quot;Open\tfile&quot;</source>
        <translation>O sursă cu un caracter de control altul decât avansul de linie.
Exemplu: &quot;Open\tfile&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="235"/>
        <source>A source with a line feed.
Example: &quot;Open\nfile&quot;</source>
        <translation>O sursă cu un avans de linie.
Exemplu: &quot;Open\nfile&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="239"/>
        <source>A source that begins with a line feed.
Example: &quot;\nOpen file&quot;</source>
        <translation>O sursă care începe cu un avans de linie.
Exemplu: &quot;\nOpen file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="243"/>
        <source>A source that begins with a space.
Example: &quot; Open file&quot;</source>
        <translation>O sursă care începe cu un spațiu.
Exemplu: &quot; Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="247"/>
        <source>A source that begins with a closing bracket or quote.
Example: &quot;)Open file&quot;</source>
        <translation>O sursă care începe cu o paranteză sau ghilimea de închidere.
Exemplu: &quot;)Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="251"/>
        <source>A source that begins with a character that is neither a letter, a number nor an opening bracket or quote.
Example: &quot;-Open file&quot;</source>
        <translation>O sursă care începe cu un caracter care nu este nici literă, nici cifră, nici paranteză sau ghilimea de deschidere.
Exemplu: &quot;-Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="255"/>
        <source>A source that ends with a line feed.
Example: &quot;Open file\n&quot;</source>
        <translation>O sursă care se termină cu un avans de linie.
Exemplu: &quot;Open file\n&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="259"/>
        <source>A source that ends with a space.
Example: &quot;Open file &quot;</source>
        <translation>O sursă care se termină cu un spațiu.
Exemplu: &quot;Open file &quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="263"/>
        <source>A source that ends with an opening bracket or quote.
Example: &quot;Open file (&quot;</source>
        <translation>O sursă care se termină cu o paranteză sau ghilimea de deschidere.
Exemplu: &quot;Open file (&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="267"/>
        <source>A source that ends with a character that is neither a letter, a number nor a closing bracket or quote.
Example: &quot;Open file-&quot;</source>
        <translation>O sursă care se termină cu un caracter care nu este nici literă, nici cifră, nici paranteză sau ghilimea de închidere.
Exemplu: &quot;Open file-&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="271"/>
        <source>A source with an odd number of double quotes.
Example: Open &quot;file</source>
        <translation>O sursă cu un număr impar de ghilimele duble.
Exemplu: Open &quot;file</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="275"/>
        <source>A source with an odd number of apostrophes.
Example: Open &apos;file</source>
        <translation>O sursă cu un număr impar de apostrofuri.
Exemplu: Open &apos;file</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="279"/>
        <source>Brackets and quotes in the source that do not pair up.
Example: &quot;Open (file&quot;</source>
        <translation>Paranteze și ghilimele în sursă care nu formează perechi.
Exemplu: &quot;Open (file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="283"/>
        <source>A comma or semicolon in the source with no space after it.
Example: &quot;Open,save&quot;</source>
        <translation>O virgulă sau un punct și virgulă în sursă fără spațiu după.
Exemplu: &quot;Open,save&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="287"/>
        <source>A full stop in the source followed by neither a space nor a closing character.
Example: &quot;Saved.Close&quot;</source>
        <translation>Un punct în sursă urmat nici de un spațiu, nici de un caracter de închidere.
Exemplu: &quot;Saved.Close&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="291"/>
        <source>An exclamation or question mark in the source with no space or closing character after it.
Example: &quot;Done!Close&quot;</source>
        <translation>Un semn de exclamare sau de întrebare în sursă fără spațiu sau caracter de închidere după.
Exemplu: &quot;Done!Close&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="295"/>
        <source>A colon in the source with no space after it.
Example: &quot;Name:value&quot;</source>
        <translation>Două puncte în sursă fără spațiu după.
Exemplu: &quot;Name:value&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="299"/>
        <source>A space before a comma or semicolon in the source.
Example: &quot;Open , save&quot;</source>
        <translation>Un spațiu înaintea unei virgule sau a unui punct și virgulă în sursă.
Exemplu: &quot;Open , save&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="303"/>
        <source>A space or an opening character before a full stop in the source.
Example: &quot;Saved .&quot;</source>
        <translation>Un spațiu sau un caracter de deschidere înaintea unui punct în sursă.
Exemplu: &quot;Saved .&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="307"/>
        <source>A space or an opening character before an exclamation or question mark in the source.
Example: &quot;Done !&quot;</source>
        <translation>Un spațiu sau un caracter de deschidere înaintea unui semn de exclamare sau de întrebare în sursă.
Exemplu: &quot;Done !&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="311"/>
        <source>A space or an opening character before a colon in the source.
Example: &quot;Name :&quot;</source>
        <translation>Un spațiu sau un caracter de deschidere înaintea semnului două puncte în sursă.
Exemplu: &quot;Name :&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="315"/>
        <source>Two line feeds in a row in the source.
Example: &quot;Open\n\nfile&quot;</source>
        <translation>Două avansuri de linie la rând în sursă.
Exemplu: &quot;Open\n\nfile&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="319"/>
        <source>Two spaces in a row in the source.
Example: &quot;Open  file&quot;</source>
        <translation>Două spații la rând în sursă.
Exemplu: &quot;Open  file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="323"/>
        <source>Two full stops in a row in the source.
Example: &quot;Saved..&quot;</source>
        <translation>Două puncte la rând în sursă.
Exemplu: &quot;Saved..&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="327"/>
        <source>The same character twice in a row in the source, other than letters, numbers and the characters set on the row.
Example: &quot;Open--file&quot;</source>
        <translation>Același caracter de două ori la rând în sursă, în afară de litere, cifre și caracterele setate pe rând.
Exemplu: &quot;Open--file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="331"/>
        <source>Two combining marks in a row in the source.
Example: a letter with two accents stacked by mistake</source>
        <translation>Două semne combinante la rând în sursă.
Exemplu: o literă cu două accente suprapuse din greșeală</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="335"/>
        <source>Two dashes or connectors in a row in the source.
Example: &quot;Open__file&quot;</source>
        <translation>Două liniuțe sau conectori la rând în sursă.
Exemplu: &quot;Open__file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="339"/>
        <source>Two currency or modifier symbols in a row in the source.
Example: &quot;$$5&quot;</source>
        <translation>Două simboluri monetare sau modificatoare la rând în sursă.
Exemplu: &quot;$$5&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="343"/>
        <source>Two title-case or modifier letters in a row in the source.
Example: &quot;ʹʹ&quot;</source>
        <translation>Două litere de titlu sau modificatoare la rând în sursă.
Exemplu: &quot;ʹʹ&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="347"/>
        <source>A sentence of the source that begins with a lowercase letter.
Example: &quot;File saved. close the window.&quot;</source>
        <translation>O propoziție a sursei care începe cu literă mică.
Exemplu: &quot;File saved. close the window.&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="351"/>
        <source>Lists the words of the source with a doubled letter, for a spell check.
Example: &quot;Adress&quot;, &quot;Commit&quot;</source>
        <translation>Listează cuvintele sursei cu o literă dublă, pentru o verificare ortografică.
Exemplu: &quot;Adress&quot;, &quot;Commit&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="355"/>
        <source>Lists the words of the source that mix cased letters with letters without case.
Example: &quot;Qtの&quot;</source>
        <translation>Listează cuvintele sursei care amestecă litere cu majuscule și minuscule cu litere fără majuscule.
Exemplu: &quot;Qtの&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="359"/>
        <source>Lists the words of the source with an uppercase letter after a lowercase one.
Example: &quot;TextEdit&quot;</source>
        <translation>Listează cuvintele sursei cu o majusculă după o minusculă.
Exemplu: &quot;TextEdit&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="363"/>
        <source>Lists the words of the source in uppercase letters only.
Example: &quot;URL&quot;, &quot;OK&quot;</source>
        <translation>Listează cuvintele sursei scrise numai cu majuscule.
Exemplu: &quot;URL&quot;, &quot;OK&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="367"/>
        <source>The same word twice in a row in the source.
Example: &quot;Open the the file&quot;</source>
        <translation>Același cuvânt de două ori la rând în sursă.
Exemplu: &quot;Open the the file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="371"/>
        <source>More than one accelerator (&amp;) in the source.
Example: &quot;&amp;Open &amp;file&quot;</source>
        <translation>Mai mult de o tastă rapidă (&amp;) în sursă.
Exemplu: &quot;&amp;Open &amp;file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="375"/>
        <source>An accelerator marker (&amp;) at the end of the source.
Example: &quot;Open file&amp;&quot;</source>
        <translation>Un marcaj de tastă rapidă (&amp;) la sfârșitul sursei.
Exemplu: &quot;Open file&amp;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="379"/>
        <source>Lists the accelerators of the source, sorted by key, to find clashes.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>Listează tastele rapide ale sursei, sortate după tastă, pentru a găsi suprapuneri.
Exemplu: &quot;&amp;Open&quot; și &quot;&amp;Options&quot; folosesc amândouă O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="383"/>
        <source>Lists the accelerators of the source, sorted by text.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>Listează tastele rapide ale sursei, sortate după text.
Exemplu: &quot;&amp;Open&quot; și &quot;&amp;Options&quot; folosesc amândouă O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="387"/>
        <source>Lists every word of the source, for a spell check.
Example: &quot;Open&quot;, &quot;file&quot;</source>
        <translation>Listează fiecare cuvânt al sursei, pentru o verificare ortografică.
Exemplu: &quot;Open&quot;, &quot;file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="391"/>
        <source>Lists every source once, sorted, for a review.
Example: &quot;Open file&quot;, &quot;Save file&quot;</source>
        <translation>Listează fiecare sursă o singură dată, sortat, pentru o revizuire.
Exemplu: &quot;Open file&quot;, &quot;Save file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="395"/>
        <source>An e-mail address in the source that is not well-formed.
Example: &quot;mail me at user@@example.org&quot;</source>
        <translation>O adresă de e-mail în sursă care nu este bine formată.
Exemplu: &quot;mail me at user@@example.org&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="399"/>
        <source>A URI in the source that is not well-formed.
Example: &quot;see http//example.org&quot;</source>
        <translation>Un URI în sursă care nu este bine format.
Exemplu: &quot;see http//example.org&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="403"/>
        <source>A markup tag in the source without its opening or closing angle bracket.
Example: &quot;&lt;b&gt;bold&lt;/b&quot;</source>
        <translation>O etichetă de marcaj în sursă fără paranteza unghiulară de deschidere sau de închidere.
Exemplu: &quot;&lt;b&gt;bold&lt;/b&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="407"/>
        <source>A markup tag name in the source that is not valid.
Example: &quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;</source>
        <translation>Un nume de etichetă de marcaj în sursă care nu este valid.
Exemplu: &quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="411"/>
        <source>Markup tag attributes in the source that are not valid.
Example: &quot;&lt;a href=&gt;link&lt;/a&gt;&quot;</source>
        <translation>Atribute ale unei etichete de marcaj în sursă care nu sunt valide.
Exemplu: &quot;&lt;a href=&gt;link&lt;/a&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="415"/>
        <source>Markup tags in the source that are not opened and closed in order.
Example: &quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;</source>
        <translation>Etichete de marcaj în sursă care nu sunt deschise și închise în ordine.
Exemplu: &quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="419"/>
        <source>A plural translation with a wrong number of forms for its language.
Example: a German plural message with three forms</source>
        <translation>O traducere la plural cu un număr greșit de forme pentru limba ei.
Exemplu: un mesaj german la plural cu trei forme</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="423"/>
        <source>A translation that is empty.
Example: &lt;translation&gt;&lt;/translation&gt;</source>
        <translation>O traducere goală.
Exemplu: &lt;translation&gt;&lt;/translation&gt;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="427"/>
        <source>A translation marked unfinished although it is filled in.
Example: &lt;translation type=&quot;unfinished&quot;&gt;Datei&lt;/translation&gt;</source>
        <translation>O traducere marcată neterminată deși este completată.
Exemplu: &lt;translation type=&quot;unfinished&quot;&gt;Datei&lt;/translation&gt;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="431"/>
        <source>A translation longer than the number of characters set on the row.
Example: a whole paragraph of help in one message</source>
        <translation>O traducere mai lungă decât numărul de caractere setat pe rând.
Exemplu: un paragraf întreg de ajutor într-un singur mesaj</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="435"/>
        <source>A translation with fewer letters or numbers than set on the row.
Example: &quot;-&quot; or &quot;?&quot;</source>
        <translation>O traducere cu mai puține litere sau cifre decât s-a setat pe rând.
Exemplu: &quot;-&quot; sau &quot;?&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="439"/>
        <source>A translation with a character outside ASCII.
Example: &quot;Café&quot;</source>
        <translation>O traducere cu un caracter din afara ASCII.
Exemplu: &quot;Café&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="443"/>
        <source>A translation with a control character other than the line feed.
Example: &quot;Open\tfile&quot;</source>
        <translation>O traducere cu un caracter de control altul decât avansul de linie.
Exemplu: &quot;Open\tfile&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="447"/>
        <source>A translation with a line feed.
Example: &quot;Open\nfile&quot;</source>
        <translation>O traducere cu un avans de linie.
Exemplu: &quot;Open\nfile&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="453"/>
        <source>A translation that begins with a line feed.
Example: &quot;\nOpen file&quot;</source>
        <translation>O traducere care începe cu un avans de linie.
Exemplu: &quot;\nOpen file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="457"/>
        <source>A translation that begins with a space.
Example: &quot; Open file&quot;</source>
        <translation>O traducere care începe cu un spațiu.
Exemplu: &quot; Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="461"/>
        <source>A translation that begins with a closing bracket or quote.
Example: &quot;)Open file&quot;</source>
        <translation>O traducere care începe cu o paranteză sau ghilimea de închidere.
Exemplu: &quot;)Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="465"/>
        <source>A translation that begins with a character that is neither a letter, a number nor an opening bracket or quote.
Example: &quot;-Open file&quot;</source>
        <translation>O traducere care începe cu un caracter care nu este nici literă, nici cifră, nici paranteză sau ghilimea de deschidere.
Exemplu: &quot;-Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="469"/>
        <source>A translation that ends with a line feed.
Example: &quot;Open file\n&quot;</source>
        <translation>O traducere care se termină cu un avans de linie.
Exemplu: &quot;Open file\n&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="473"/>
        <source>A translation that ends with a space.
Example: &quot;Open file &quot;</source>
        <translation>O traducere care se termină cu un spațiu.
Exemplu: &quot;Open file &quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="477"/>
        <source>A translation that ends with an opening bracket or quote.
Example: &quot;Open file (&quot;</source>
        <translation>O traducere care se termină cu o paranteză sau ghilimea de deschidere.
Exemplu: &quot;Open file (&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="481"/>
        <source>A translation that ends with a character that is neither a letter, a number nor a closing bracket or quote.
Example: &quot;Open file-&quot;</source>
        <translation>O traducere care se termină cu un caracter care nu este nici literă, nici cifră, nici paranteză sau ghilimea de închidere.
Exemplu: &quot;Open file-&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="485"/>
        <source>A translation with an odd number of double quotes.
Example: Open &quot;file</source>
        <translation>O traducere cu un număr impar de ghilimele duble.
Exemplu: Open &quot;file</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="489"/>
        <source>A translation with an odd number of apostrophes.
Example: Open &apos;file</source>
        <translation>O traducere cu un număr impar de apostrofuri.
Exemplu: Open &apos;file</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="493"/>
        <source>Brackets and quotes in the translation that do not pair up.
Example: &quot;Open (file&quot;</source>
        <translation>Paranteze și ghilimele în traducere care nu formează perechi.
Exemplu: &quot;Open (file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="497"/>
        <source>A comma or semicolon in the translation with no space after it.
Example: &quot;Open,save&quot;</source>
        <translation>O virgulă sau un punct și virgulă în traducere fără spațiu după.
Exemplu: &quot;Open,save&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="501"/>
        <source>A full stop in the translation followed by neither a space nor a closing character.
Example: &quot;Saved.Close&quot;</source>
        <translation>Un punct în traducere urmat nici de un spațiu, nici de un caracter de închidere.
Exemplu: &quot;Saved.Close&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="505"/>
        <source>An exclamation or question mark in the translation with no space or closing character after it.
Example: &quot;Done!Close&quot;</source>
        <translation>Un semn de exclamare sau de întrebare în traducere fără spațiu sau caracter de închidere după.
Exemplu: &quot;Done!Close&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="509"/>
        <source>A colon in the translation with no space after it.
Example: &quot;Name:value&quot;</source>
        <translation>Două puncte în traducere fără spațiu după.
Exemplu: &quot;Name:value&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="513"/>
        <source>A space before a comma or semicolon in the translation.
Example: &quot;Open , save&quot;</source>
        <translation>Un spațiu înaintea unei virgule sau a unui punct și virgulă în traducere.
Exemplu: &quot;Open , save&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="517"/>
        <source>A space or an opening character before a full stop in the translation.
Example: &quot;Saved .&quot;</source>
        <translation>Un spațiu sau un caracter de deschidere înaintea unui punct în traducere.
Exemplu: &quot;Saved .&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="521"/>
        <source>A space or an opening character before an exclamation or question mark in the translation.
Example: &quot;Done !&quot;</source>
        <translation>Un spațiu sau un caracter de deschidere înaintea unui semn de exclamare sau de întrebare în traducere.
Exemplu: &quot;Done !&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="525"/>
        <source>A space or an opening character before a colon in the translation.
Example: &quot;Name :&quot;</source>
        <translation>Un spațiu sau un caracter de deschidere înaintea semnului două puncte în traducere.
Exemplu: &quot;Name :&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="529"/>
        <source>Two line feeds in a row in the translation.
Example: &quot;Open\n\nfile&quot;</source>
        <translation>Două avansuri de linie la rând în traducere.
Exemplu: &quot;Open\n\nfile&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="533"/>
        <source>Two spaces in a row in the translation.
Example: &quot;Open  file&quot;</source>
        <translation>Două spații la rând în traducere.
Exemplu: &quot;Open  file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="537"/>
        <source>Two full stops in a row in the translation.
Example: &quot;Saved..&quot;</source>
        <translation>Două puncte la rând în traducere.
Exemplu: &quot;Saved..&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="541"/>
        <source>The same character twice in a row in the translation, other than letters, numbers and the characters set on the row.
Example: &quot;Open--file&quot;</source>
        <translation>Același caracter de două ori la rând în traducere, în afară de litere, cifre și caracterele setate pe rând.
Exemplu: &quot;Open--file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="545"/>
        <source>Two combining marks in a row in the translation.
Example: a letter with two accents stacked by mistake</source>
        <translation>Două semne combinante la rând în traducere.
Exemplu: o literă cu două accente suprapuse din greșeală</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="549"/>
        <source>Two dashes or connectors in a row in the translation.
Example: &quot;Open__file&quot;</source>
        <translation>Două liniuțe sau conectori la rând în traducere.
Exemplu: &quot;Open__file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="553"/>
        <source>Two currency or modifier symbols in a row in the translation.
Example: &quot;$$5&quot;</source>
        <translation>Două simboluri monetare sau modificatoare la rând în traducere.
Exemplu: &quot;$$5&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="557"/>
        <source>Two title-case or modifier letters in a row in the translation.
Example: &quot;ʹʹ&quot;</source>
        <translation>Două litere de titlu sau modificatoare la rând în traducere.
Exemplu: &quot;ʹʹ&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="561"/>
        <source>A sentence of the translation that begins with a lowercase letter.
Example: &quot;File saved. close the window.&quot;</source>
        <translation>O propoziție a traducerii care începe cu literă mică.
Exemplu: &quot;File saved. close the window.&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="565"/>
        <source>Lists the words of the translation with a doubled letter, for a spell check.
Example: &quot;Adress&quot;, &quot;Commit&quot;</source>
        <translation>Listează cuvintele traducerii cu o literă dublă, pentru o verificare ortografică.
Exemplu: &quot;Adress&quot;, &quot;Commit&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="569"/>
        <source>Lists the words of the translation that mix cased letters with letters without case.
Example: &quot;Qtの&quot;</source>
        <translation>Listează cuvintele traducerii care amestecă litere cu majuscule și minuscule cu litere fără majuscule.
Exemplu: &quot;Qtの&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="573"/>
        <source>Lists the words of the translation with an uppercase letter after a lowercase one.
Example: &quot;TextEdit&quot;</source>
        <translation>Listează cuvintele traducerii cu o majusculă după o minusculă.
Exemplu: &quot;TextEdit&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="577"/>
        <source>Lists the words of the translation in uppercase letters only.
Example: &quot;URL&quot;, &quot;OK&quot;</source>
        <translation>Listează cuvintele traducerii scrise numai cu majuscule.
Exemplu: &quot;URL&quot;, &quot;OK&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="581"/>
        <source>The same word twice in a row in the translation.
Example: &quot;Open the the file&quot;</source>
        <translation>Același cuvânt de două ori la rând în traducere.
Exemplu: &quot;Open the the file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="585"/>
        <source>More than one accelerator (&amp;) in the translation.
Example: &quot;&amp;Open &amp;file&quot;</source>
        <translation>Mai mult de o tastă rapidă (&amp;) în traducere.
Exemplu: &quot;&amp;Open &amp;file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="589"/>
        <source>An accelerator marker (&amp;) at the end of the translation.
Example: &quot;Open file&amp;&quot;</source>
        <translation>Un marcaj de tastă rapidă (&amp;) la sfârșitul traducerii.
Exemplu: &quot;Open file&amp;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="593"/>
        <source>Lists the accelerators of the translation, sorted by key, to find clashes.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>Listează tastele rapide ale traducerii, sortate după tastă, pentru a găsi suprapuneri.
Exemplu: &quot;&amp;Open&quot; și &quot;&amp;Options&quot; folosesc amândouă O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="597"/>
        <source>Lists the accelerators of the translation, sorted by text.
Example: &quot;&amp;Open&quot; and &quot;&amp;Options&quot; both use O</source>
        <translation>Listează tastele rapide ale traducerii, sortate după text.
Exemplu: &quot;&amp;Open&quot; și &quot;&amp;Options&quot; folosesc amândouă O</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="601"/>
        <source>Lists every word of the translation, for a spell check.
Example: &quot;Open&quot;, &quot;file&quot;</source>
        <translation>Listează fiecare cuvânt al traducerii, pentru o verificare ortografică.
Exemplu: &quot;Open&quot;, &quot;file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="605"/>
        <source>Lists every translation once, sorted, for a review.
Example: &quot;Open file&quot;, &quot;Save file&quot;</source>
        <translation>Listează fiecare traducere o singură dată, sortat, pentru o revizuire.
Exemplu: &quot;Open file&quot;, &quot;Save file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="609"/>
        <source>An e-mail address in the translation that is not well-formed.
Example: &quot;mail me at user@@example.org&quot;</source>
        <translation>O adresă de e-mail în traducere care nu este bine formată.
Exemplu: &quot;mail me at user@@example.org&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="613"/>
        <source>A URI in the translation that is not well-formed.
Example: &quot;see http//example.org&quot;</source>
        <translation>Un URI în traducere care nu este bine format.
Exemplu: &quot;see http//example.org&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="617"/>
        <source>A markup tag in the translation without its opening or closing angle bracket.
Example: &quot;&lt;b&gt;bold&lt;/b&quot;</source>
        <translation>O etichetă de marcaj în traducere fără paranteza unghiulară de deschidere sau de închidere.
Exemplu: &quot;&lt;b&gt;bold&lt;/b&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="621"/>
        <source>A markup tag name in the translation that is not valid.
Example: &quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;</source>
        <translation>Un nume de etichetă de marcaj în traducere care nu este valid.
Exemplu: &quot;&lt;1b&gt;bold&lt;/1b&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="625"/>
        <source>Markup tag attributes in the translation that are not valid.
Example: &quot;&lt;a href=&gt;link&lt;/a&gt;&quot;</source>
        <translation>Atribute ale unei etichete de marcaj în traducere care nu sunt valide.
Exemplu: &quot;&lt;a href=&gt;link&lt;/a&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="629"/>
        <source>Markup tags in the translation that are not opened and closed in order.
Example: &quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;</source>
        <translation>Etichete de marcaj în traducere care nu sunt deschise și închise în ordine.
Exemplu: &quot;&lt;b&gt;&lt;i&gt;text&lt;/b&gt;&lt;/i&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="633"/>
        <source>Lists every character used in the sources and the translations.
Example: &quot;é&quot; used once in the translations</source>
        <translation>Listează fiecare caracter folosit în surse și în traduceri.
Exemplu: &quot;é&quot; folosit o dată în traduceri</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="637"/>
        <source>A translation much shorter or longer than a short source, by the ratio limits set on the row.
Example: &quot;OK&quot; translated as a whole sentence</source>
        <translation>O traducere mult mai scurtă sau mai lungă decât o sursă scurtă, după limitele de raport de pe rând.
Exemplu: &quot;OK&quot; tradus printr-o propoziție întreagă</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="641"/>
        <source>A translation much shorter or longer than a longer source, by the ratio limits set on the row.
Example: a long sentence translated with one word</source>
        <translation>O traducere mult mai scurtă sau mai lungă decât o sursă mai lungă, după limitele de raport de pe rând.
Exemplu: o propoziție lungă tradusă cu un singur cuvânt</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="645"/>
        <source>A control character of the source missing from the translation.
Example: &quot;Name:\tvalue&quot; -&gt; &quot;Name: value&quot;</source>
        <translation>Un caracter de control al sursei care lipsește din traducere.
Exemplu: &quot;Name:\tvalue&quot; -&gt; &quot;Name: value&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="649"/>
        <source>A different number of tabulations in source and translation.
Example: &quot;a\tb&quot; -&gt; &quot;a b&quot;</source>
        <translation>Un număr diferit de tabulatori în sursă și în traducere.
Exemplu: &quot;a\tb&quot; -&gt; &quot;a b&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="653"/>
        <source>A different number of line feeds in source and translation.
Example: &quot;Line 1\nLine 2&quot; -&gt; &quot;Line 1 Line 2&quot;</source>
        <translation>Un număr diferit de avansuri de linie în sursă și în traducere.
Exemplu: &quot;Line 1\nLine 2&quot; -&gt; &quot;Line 1 Line 2&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="657"/>
        <source>Only one of source and translation begins with a line feed.
Example: &quot;\nOpen&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Doar una dintre sursă și traducere începe cu un avans de linie.
Exemplu: &quot;\nOpen&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="661"/>
        <source>Only one of source and translation begins with a space.
Example: &quot; Open&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Doar una dintre sursă și traducere începe cu un spațiu.
Exemplu: &quot; Open&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="665"/>
        <source>Only one of source and translation begins with an opening character.
Example: &quot;(optional)&quot; -&gt; &quot;optional)&quot;</source>
        <translation>Doar una dintre sursă și traducere începe cu un caracter de deschidere.
Exemplu: &quot;(optional)&quot; -&gt; &quot;optional)&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="669"/>
        <source>Only one of source and translation begins with another character that is not a letter or number.
Example: &quot;-v&quot; -&gt; &quot;v&quot;</source>
        <translation>Doar una dintre sursă și traducere începe cu un alt caracter care nu este literă sau cifră.
Exemplu: &quot;-v&quot; -&gt; &quot;v&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="673"/>
        <source>Only one of source and translation ends with a line feed.
Example: &quot;Open\n&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Doar una dintre sursă și traducere se termină cu un avans de linie.
Exemplu: &quot;Open\n&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="677"/>
        <source>Only one of source and translation ends with a space.
Example: &quot;Name: &quot; -&gt; &quot;Name:&quot;</source>
        <translation>Doar una dintre sursă și traducere se termină cu un spațiu.
Exemplu: &quot;Name: &quot; -&gt; &quot;Name:&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="681"/>
        <source>Only one of source and translation ends with a closing character.
Example: &quot;(optional)&quot; -&gt; &quot;(optional&quot;</source>
        <translation>Doar una dintre sursă și traducere se termină cu un caracter de închidere.
Exemplu: &quot;(optional)&quot; -&gt; &quot;(optional&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="685"/>
        <source>Only one of source and translation ends with another character that is not a letter or number.
Example: &quot;Open...&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Doar una dintre sursă și traducere se termină cu un alt caracter care nu este literă sau cifră.
Exemplu: &quot;Open...&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="689"/>
        <source>A different number of &lt; and &gt; in source and translation.
Example: &quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;&lt;b&gt;Öffnen/b&gt;&quot;</source>
        <translation>Un număr diferit de &lt; și &gt; în sursă și în traducere.
Exemplu: &quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;&lt;b&gt;Öffnen/b&gt;&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="693"/>
        <source>A different number of opening and closing characters in source and translation.
Example: &quot;(optional)&quot; -&gt; &quot;optional&quot;</source>
        <translation>Un număr diferit de caractere de deschidere și de închidere în sursă și în traducere.
Exemplu: &quot;(optional)&quot; -&gt; &quot;optional&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="697"/>
        <source>A different number of colons in source and translation.
Example: &quot;Name:&quot; -&gt; &quot;Name&quot;</source>
        <translation>Un număr diferit de semne două puncte în sursă și în traducere.
Exemplu: &quot;Name:&quot; -&gt; &quot;Name&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="701"/>
        <source>A different number of exclamation marks in source and translation.
Example: &quot;Done!&quot; -&gt; &quot;Fertig&quot;</source>
        <translation>Un număr diferit de semne de exclamare în sursă și în traducere.
Exemplu: &quot;Done!&quot; -&gt; &quot;Fertig&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="705"/>
        <source>A different number of question marks in source and translation.
Example: &quot;Save?&quot; -&gt; &quot;Speichern&quot;</source>
        <translation>Un număr diferit de semne de întrebare în sursă și în traducere.
Exemplu: &quot;Save?&quot; -&gt; &quot;Speichern&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="709"/>
        <source>A different number of full stops in source and translation.
Example: &quot;Saved.&quot; -&gt; &quot;Gespeichert&quot;</source>
        <translation>Un număr diferit de puncte în sursă și în traducere.
Exemplu: &quot;Saved.&quot; -&gt; &quot;Gespeichert&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="713"/>
        <source>A different number of ellipses in source and translation.
Example: &quot;Open...&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Un număr diferit de puncte de suspensie în sursă și în traducere.
Exemplu: &quot;Open...&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="717"/>
        <source>A different number of the other characters set on the row in source and translation.
Example: &quot;a/b&quot; -&gt; &quot;a b&quot;</source>
        <translation>Un număr diferit din celelalte caractere setate pe rând în sursă și în traducere.
Exemplu: &quot;a/b&quot; -&gt; &quot;a b&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="721"/>
        <source>Numbers of the source missing from the translation, or the other way round.
Example: &quot;Page 2 of 5&quot; -&gt; &quot;Seite 2 von 6&quot;</source>
        <translation>Numere ale sursei care lipsesc din traducere, sau invers.
Exemplu: &quot;Page 2 of 5&quot; -&gt; &quot;Seite 2 von 6&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="725"/>
        <source>Numbers that differ between source and translation, compared more strictly than ST8.1.
Example: &quot;1.5 MB&quot; -&gt; &quot;15 MB&quot;</source>
        <translation>Numere care diferă între sursă și traducere, comparate mai strict decât la ST8.1.
Exemplu: &quot;1.5 MB&quot; -&gt; &quot;15 MB&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="729"/>
        <source>Numbers that differ between source and translation, compared more strictly than ST8.2.
Example: &quot;v1.2.3&quot; -&gt; &quot;v1.2&quot;</source>
        <translation>Numere care diferă între sursă și traducere, comparate mai strict decât la ST8.2.
Exemplu: &quot;v1.2.3&quot; -&gt; &quot;v1.2&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="733"/>
        <source>Numbers that differ between source and translation, compared more strictly than ST8.3.
Example: &quot;10,000&quot; -&gt; &quot;10000&quot;</source>
        <translation>Numere care diferă între sursă și traducere, comparate mai strict decât la ST8.3.
Exemplu: &quot;10,000&quot; -&gt; &quot;10000&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="737"/>
        <source>A different number of accelerators (&amp;) in source and translation.
Example: &quot;&amp;Open&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Un număr diferit de taste rapide (&amp;) în sursă și în traducere.
Exemplu: &quot;&amp;Open&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="741"/>
        <source>A different number of arguments (%1, %2 ...) in source and translation.
Example: &quot;%1 of %2&quot; -&gt; &quot;%1 von&quot;</source>
        <translation>Un număr diferit de argumente (%1, %2 ...) în sursă și în traducere.
Exemplu: &quot;%1 of %2&quot; -&gt; &quot;%1 von&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="745"/>
        <source>Arguments that do not count up by one.
Example: &quot;%1 and %3&quot;</source>
        <translation>Argumente care nu cresc câte unu.
Exemplu: &quot;%1 and %3&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="749"/>
        <source>The same source translated differently in different messages.
Example: &quot;Open&quot; -&gt; &quot;Öffnen&quot; here, &quot;Aufmachen&quot; there</source>
        <translation>Aceeași sursă tradusă diferit în mesaje diferite.
Exemplu: &quot;Open&quot; -&gt; aici &quot;Öffnen&quot;, acolo &quot;Aufmachen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="753"/>
        <source>The same translation used for different sources.
Example: &quot;Open&quot; and &quot;Close&quot; both -&gt; &quot;Öffnen&quot;</source>
        <translation>Aceeași traducere folosită pentru surse diferite.
Exemplu: &quot;Open&quot; și &quot;Close&quot; amândouă -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="757"/>
        <source>E-mail addresses that differ between source and translation.
Example: &quot;a@example.org&quot; -&gt; &quot;b@example.org&quot;</source>
        <translation>Adrese de e-mail care diferă între sursă și traducere.
Exemplu: &quot;a@example.org&quot; -&gt; &quot;b@example.org&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="761"/>
        <source>URIs that differ between source and translation.
Example: &quot;https://example.org&quot; -&gt; &quot;https://example.com&quot;</source>
        <translation>URI-uri care diferă între sursă și traducere.
Exemplu: &quot;https://example.org&quot; -&gt; &quot;https://example.com&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="765"/>
        <source>A different number of markup tags in source and translation.
Example: &quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>Un număr diferit de etichete de marcaj în sursă și în traducere.
Exemplu: &quot;&lt;b&gt;Open&lt;/b&gt;&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="769"/>
        <source>printf conversions of source and translation that differ in number or type.
Example: &quot;%d files&quot; -&gt; &quot;%s Dateien&quot;</source>
        <translation>Conversii printf ale sursei și traducerii care diferă ca număr sau tip.
Exemplu: &quot;%d files&quot; -&gt; &quot;%s Dateien&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="773"/>
        <source>Placeholders in braces that differ between source and translation.
Example: &quot;{count} files&quot; -&gt; &quot;{anzahl} Dateien&quot;</source>
        <translation>Substituenți între acolade care diferă între sursă și traducere.
Exemplu: &quot;{count} files&quot; -&gt; &quot;{anzahl} Dateien&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="777"/>
        <source>A malformed entity in the translation of a text with markup.
Example: &quot;&amp;amp&quot; without its semicolon</source>
        <translation>O entitate greșit formată în traducerea unui text cu marcaj.
Exemplu: &quot;&amp;amp&quot; fără punctul și virgula de final</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="781"/>
        <source>A plural message with fewer translated forms than its language has.
Example: a Polish plural message with two forms</source>
        <translation>Un mesaj la plural cu mai puține forme traduse decât are limba lui.
Exemplu: un mesaj polonez la plural cu două forme</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="785"/>
        <source>A translation that copies a source of two or more words; words set on the row may stay the same.
Example: &quot;Open file&quot; -&gt; &quot;Open file&quot;</source>
        <translation>O traducere care copiază o sursă de două sau mai multe cuvinte; cuvintele setate pe rând pot rămâne la fel.
Exemplu: &quot;Open file&quot; -&gt; &quot;Open file&quot;</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="789"/>
        <source>A source with a &quot;_&quot; accelerator whose translation has none (.po files).
Example: &quot;_Open&quot; -&gt; &quot;Öffnen&quot;</source>
        <translation>O sursă cu o tastă rapidă &quot;_&quot; a cărei traducere nu are niciuna (fișiere .po).
Exemplu: &quot;_Open&quot; -&gt; &quot;Öffnen&quot;</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <location filename="../app/findingstable.cpp" line="31"/>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="33"/>
        <source>Warning</source>
        <translation>Avertisment</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="37"/>
        <source>Information</source>
        <translation>Informație</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="191"/>
        <source>Check</source>
        <translation>Verificare</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="193"/>
        <source>Severity</source>
        <translation>Gravitate</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="195"/>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="197"/>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="199"/>
        <source>Context</source>
        <translation>Context</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="201"/>
        <source>Source</source>
        <translation>Sursă</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="203"/>
        <source>Translation</source>
        <translation>Traducere</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="205"/>
        <source>Finding</source>
        <translation>Constatare</translation>
    </message>
</context>
<context>
    <name>FindingsPanel</name>
    <message>
        <location filename="../app/findingstable.cpp" line="325"/>
        <source>Search in all columns</source>
        <translation>Caută în toate coloanele</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="331"/>
        <source>Filter by language</source>
        <translation>Filtrare după limbă</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="412"/>
        <source>All checks</source>
        <translation>Toate verificările</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="418"/>
        <source>Group %1</source>
        <translation>Grupul %1</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="422"/>
        <source>All severities</source>
        <translation>Toate gravitățile</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="426"/>
        <source>All files</source>
        <translation>Toate fișierele</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="429"/>
        <source>All languages</source>
        <translation>Toate limbile</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="472"/>
        <source>Check %1 (%2)</source>
        <translation>Verificarea %1 (%2)</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="479"/>
        <source>Context:</source>
        <translation>Context:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="480"/>
        <source>Source:</source>
        <translation>Sursă:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="481"/>
        <source>Translation:</source>
        <translation>Traducere:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="482"/>
        <source>Finding:</source>
        <translation>Constatare:</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="520"/>
        <source>Copy File and Line</source>
        <translation>Copiază fișierul și linia</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="521"/>
        <source>Copy Source</source>
        <translation>Copiază sursa</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="522"/>
        <source>Copy Translation</source>
        <translation>Copiază traducerea</translation>
    </message>
    <message>
        <location filename="../app/findingstable.cpp" line="524"/>
        <source>Open at Line</source>
        <translation>Deschide la linie</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../run/run.cpp" line="21"/>
        <source>Please select a file or a directory.</source>
        <translation>Vă rugăm să selectați un fișier sau un director.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="22"/>
        <source>Multible selection. Please try again.</source>
        <translation>Selecție multiplă. Vă rugăm să încercați din nou.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="23"/>
        <source>Missing path. Please try again.</source>
        <translation>Calea lipsește. Vă rugăm să încercați din nou.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="24"/>
        <source>No translation files found in %1.</source>
        <translation>Nu s-au găsit fișiere de traducere în %1.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="196"/>
        <source>Could not write %1: %2</source>
        <translation>Nu s-a putut scrie %1: %2</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="208"/>
        <source>Checked %1 files of %2 names in %3. Wrote %4 logs to %5.</source>
        <translation>Au fost verificate %1 fișiere din %2 nume în %3. Au fost scrise %4 jurnale în %5.</translation>
    </message>
    <message>
        <location filename="../run/run.cpp" line="216"/>
        <source>The batch was aborted.</source>
        <translation>Verificarea în lot a fost întreruptă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="206"/>
        <source>Check 0 warns if the file is corrupt.</source>
        <translation>Verificarea 0 avertizează dacă fișierul este corupt.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="210"/>
        <source>Check S0 warns if the source has a wrong numerus.</source>
        <translation>Verificarea S0 avertizează dacă sursa are forme de plural greșite.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="214"/>
        <source>Check S1.1 warns if the source is empty.</source>
        <translation>Verificarea S1.1 avertizează dacă sursa este goală.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="218"/>
        <source>Check S1.2 warns if the source has more than x characters.</source>
        <translation>Verificarea S1.2 avertizează dacă sursa are mai mult de x caractere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="222"/>
        <source>Check S1.3 warns if the source has less than x letters or numbers.</source>
        <translation>Verificarea S1.3 avertizează dacă sursa are mai puțin de x litere sau cifre.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="226"/>
        <source>Check S2.1 warns if the source contains non-ASCII characters.</source>
        <translation>Verificarea S2.1 avertizează dacă sursa conține caractere non-ASCII.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="230"/>
        <source>Check S2.2 warns if the source contains control characters. (Exclusive of the warnings from Check S2.3.)</source>
        <translation>Verificarea S2.2 avertizează dacă sursa conține caractere de control. (Exclusiv avertismentele verificării S2.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="234"/>
        <source>Check S2.3 warns if the source contains line feed characters.</source>
        <translation>Verificarea S2.3 avertizează dacă sursa conține caractere de salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="238"/>
        <source>Check S3.1 warns if the first character of the source is line feed.</source>
        <translation>Verificarea S3.1 avertizează dacă primul caracter al sursei este un salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="242"/>
        <source>Check S3.2 warns if the first character of the source is a space. (Exclusive of the warnings from Check S3.1.)</source>
        <translation>Verificarea S3.2 avertizează dacă primul caracter al sursei este un spațiu. (Exclusiv avertismentele verificării S3.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="246"/>
        <source>Check S3.3 warns if the first character of the source is Punctuation_Close or Punctuation_FinalQuote.</source>
        <translation>Verificarea S3.3 avertizează dacă primul caracter al sursei este Punctuation_Close sau Punctuation_FinalQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="250"/>
        <source>Check S3.4 warns if the first character of the source is not (LetterOrNumber or Punctuation_Open or Punctuation_InitialQuote or x).
Except the characters from Check S3.1 to S3.3 and characters you wrote into the right line edit.</source>
        <translation>Verificarea S3.4 avertizează dacă primul caracter al sursei nu este (LetterOrNumber sau Punctuation_Open sau Punctuation_InitialQuote sau x).
Cu excepția caracterelor din verificările S3.1 până la S3.3 și a caracterelor pe care le-ați scris în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="254"/>
        <source>Check S4.1 warns if the last character of the source is a line feed.</source>
        <translation>Verificarea S4.1 avertizează dacă ultimul caracter al sursei este un salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="258"/>
        <source>Check S4.2 warns if the last character of the source is a space. (Exclusive of the warnings from Check S4.1.)</source>
        <translation>Verificarea S4.2 avertizează dacă ultimul caracter al sursei este un spațiu. (Exclusiv avertismentele verificării S4.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="262"/>
        <source>Check S4.3 warns if the last character of the source is Punctuation_Open or Punctuation_InitialQuote.</source>
        <translation>Verificarea S4.3 avertizează dacă ultimul caracter al sursei este Punctuation_Open sau Punctuation_InitialQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="266"/>
        <source>Check S4.4 warns if the last character of the source is not (LetterOrNumber or Punctuation_Close or Punctuation_FinalQuote or x)
Except the characters from Check S4.1 to S4.3 and the characters you wrote into the right line edit.</source>
        <translation>Verificarea S4.4 avertizează dacă ultimul caracter al sursei nu este (LetterOrNumber sau Punctuation_Close sau Punctuation_FinalQuote sau x)
Cu excepția caracterelor din verificările S4.1 până la S4.3 și a caracterelor pe care le-ați scris în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="270"/>
        <source>Check S5.1 warns if the number of characters &quot; in the source is odd. (It&apos;s too difficult to add this in Check S5.3)</source>
        <translation>Verificarea S5.1 avertizează dacă numărul de caractere &quot; din sursă este impar. (Este prea dificil să fie inclus în verificarea S5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="274"/>
        <source>Check S5.2 warns if the number of characters &apos; in the source is odd. (It&apos;s too difficult to add this in Check S5.3)</source>
        <translation>Verificarea S5.2 avertizează dacă numărul de caractere &apos; din sursă este impar. (Este prea dificil să fie inclus în verificarea S5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="278"/>
        <source>Check S5.3 warns if the opening and the closing characters in the source are not well-formed. (Parenthesischeck)</source>
        <translation>Verificarea S5.3 avertizează dacă caracterele de deschidere și de închidere din sursă nu sunt bine formate. (Verificarea parantezelor)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="282"/>
        <source>Check S6.1 warns if there is no space after comma or semicolon in the source.</source>
        <translation>Verificarea S6.1 avertizează dacă în sursă nu există un spațiu după virgulă sau punct și virgulă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="286"/>
        <source>Check S6.2 warns if there is no space or closing character in the source after full stop.</source>
        <translation>Verificarea S6.2 avertizează dacă în sursă nu există un spațiu sau un caracter de închidere după punct.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="290"/>
        <source>Check S6.3 warns if there is no space or closing character in the source after exclamation mark or question mark.</source>
        <translation>Verificarea S6.3 avertizează dacă în sursă nu există un spațiu sau un caracter de închidere după semnul exclamării sau semnul întrebării.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="294"/>
        <source>Check S6.4 warns if there is no space in the source after colon.</source>
        <translation>Verificarea S6.4 avertizează dacă în sursă nu există un spațiu după două puncte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="298"/>
        <source>Check S7.1 warns if there is a space before comma or semicolon in the source.</source>
        <translation>Verificarea S7.1 avertizează dacă în sursă există un spațiu înainte de virgulă sau punct și virgulă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="302"/>
        <source>Check S7.2 warns if there is a space or an opening character in the source before full stop.</source>
        <translation>Verificarea S7.2 avertizează dacă în sursă există un spațiu sau un caracter de deschidere înainte de punct.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="306"/>
        <source>Check S7.3 warns if there is a space or an opening character in the source before exclamation mark or question mark.</source>
        <translation>Verificarea S7.3 avertizează dacă în sursă există un spațiu sau un caracter de deschidere înainte de semnul exclamării sau semnul întrebării.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="310"/>
        <source>Check S7.4 warns if there is a space or an opening character in the source before colon.</source>
        <translation>Verificarea S7.4 avertizează dacă în sursă există un spațiu sau un caracter de deschidere înainte de două puncte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="314"/>
        <source>Check S8.1 warns if the source contains a double line feed.</source>
        <translation>Verificarea S8.1 avertizează dacă sursa conține un salt de linie dublu.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="318"/>
        <source>Check S8.2 warns if the source contains a double space. (Exclusive of the warnings from Check S8.1.)</source>
        <translation>Verificarea S8.2 avertizează dacă sursa conține un spațiu dublu. (Exclusiv avertismentele verificării S8.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="322"/>
        <source>Check S8.3 warns if the source contains a double dot.</source>
        <translation>Verificarea S8.3 avertizează dacă sursa conține un punct dublu.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="326"/>
        <source>Check S8.4 warns if the source contains a double character.
Except the characters from Check S8.1 to S8.3, LetterOrNumber and the characters you wrote into the right line edit.</source>
        <translation>Verificarea S8.4 avertizează dacă sursa conține un caracter dublu.
Cu excepția caracterelor din verificările S8.1 până la S8.3, LetterOrNumber și a caracterelor pe care le-ați scris în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="330"/>
        <source>Check S9.1 warns if the source contains a double (Mark_Enclosing or Mark_NonSpacing or Mark_SpacingCombining).</source>
        <translation>Verificarea S9.1 avertizează dacă sursa conține un caracter dublu (Mark_Enclosing sau Mark_NonSpacing sau Mark_SpacingCombining).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="334"/>
        <source>Check S9.2 warns if the source contains a double (Punctuation_Connector or Punctuation_Dash).</source>
        <translation>Verificarea S9.2 avertizează dacă sursa conține un caracter dublu (Punctuation_Connector sau Punctuation_Dash).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="338"/>
        <source>Check S9.3 warns if the source contains a double (Symbol_Currency or Symbol_Modifier).</source>
        <translation>Verificarea S9.3 avertizează dacă sursa conține un caracter dublu (Symbol_Currency sau Symbol_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="342"/>
        <source>Check S9.4 warns if the source contains a double (Letter_Titlecase or Letter_Modifier).</source>
        <translation>Verificarea S9.4 avertizează dacă sursa conține un caracter dublu (Letter_Titlecase sau Letter_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="346"/>
        <source>Check S10.1 warns if a sentence in the source begins with a lowercase letter.</source>
        <translation>Verificarea S10.1 avertizează dacă o propoziție din sursă începe cu o literă mică.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="350"/>
        <source>Check S11.1 lists all the words in the source with double letters.</source>
        <translation>Verificarea S11.1 listează toate cuvintele din sursă cu litere duble.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="354"/>
        <source>Check S12.1 lists all the words in the source that are mixing uppercase or lowercase letters with letters that are not uppercase nor lowercase.</source>
        <translation>Verificarea S12.1 listează toate cuvintele din sursă care amestecă litere mari sau mici cu litere care nu sunt nici mari, nici mici.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="358"/>
        <source>Check S12.2 lists all the words in the source with an uppercase letter after a lowercase letter.</source>
        <translation>Verificarea S12.2 listează toate cuvintele din sursă cu o literă mare după o literă mică.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="362"/>
        <source>Check S12.3 lists all the words in the source with uppercase letters only.</source>
        <translation>Verificarea S12.3 listează toate cuvintele din sursă scrise numai cu litere mari.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="366"/>
        <source>Check S13.1 warns if a word is doubled in the source.</source>
        <translation>Verificarea S13.1 avertizează dacă un cuvânt este dublat în sursă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="370"/>
        <source>Check S14.1 warns if there is more than one QKeySequence in the source.</source>
        <translation>Verificarea S14.1 avertizează dacă sursa conține mai mult de o QKeySequence.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="374"/>
        <source>Check S14.2 warns if the QKeySequence is at the end of the source.</source>
        <translation>Verificarea S14.2 avertizează dacă QKeySequence se află la sfârșitul sursei.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="378"/>
        <source>Check S14.3 lists all QKeySequence in the source sorted by keys.</source>
        <translation>Verificarea S14.3 listează toate QKeySequence din sursă, sortate după taste.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="382"/>
        <source>Check S14.4 lists all QKeySequence in the source sorted by source.</source>
        <translation>Verificarea S14.4 listează toate QKeySequence din sursă, sortate după sursă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="386"/>
        <source>Check S15.1 lists all the words in the source. You can add more separator characters in the right line edit.</source>
        <translation>Verificarea S15.1 listează toate cuvintele din sursă. Puteți adăuga mai mulți separatori în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="390"/>
        <source>Check S16.1 lists all the sources (sorted alphabetically without duplicates).</source>
        <translation>Verificarea S16.1 listează toate sursele (sortate alfabetic fără duplicate).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="394"/>
        <source>Check S20.1 warns if an email in the source is not valid.</source>
        <translation>Verificarea S20.1 avertizează dacă o adresă de e-mail din sursă nu este validă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="398"/>
        <source>Check S20.2 warns if an URI in the source is not valid.</source>
        <translation>Verificarea S20.2 avertizează dacă un URI din sursă nu este valid.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="402"/>
        <source>Check S21.1 warns if opening or closing brace of a xml tag is not found.</source>
        <translation>Verificarea S21.1 avertizează dacă paranteza de deschidere sau de închidere a unei etichete XML nu este găsită.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="406"/>
        <source>Check S21.2 warns if a xml tag name is not fine.</source>
        <translation>Verificarea S21.2 avertizează dacă numele unei etichete XML nu este corect.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="410"/>
        <source>Check S21.3 warns if a xml tag attributes are not fine.</source>
        <translation>Verificarea S21.3 avertizează dacă atributele unei etichete XML nu sunt corecte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="414"/>
        <source>Check S21.4 warns if the opening and the closing xml tags are not well-formed. (Parenthesischeck).</source>
        <translation>Verificarea S21.4 avertizează dacă etichetele XML de deschidere și de închidere nu sunt bine formate. (Verificarea parantezelor).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="418"/>
        <source>Check T0 warns if the translation has a wrong numerus.</source>
        <translation>Verificarea T0 avertizează dacă traducerea are forme de plural greșite.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="422"/>
        <source>Check T1.1 warns if the translation is empty.</source>
        <translation>Verificarea T1.1 avertizează dacă traducerea este goală.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="426"/>
        <source>Check T1.1b warns if the translation is marked as unfinished even it is not empty.</source>
        <translation>Verificarea T1.1b avertizează dacă traducerea este marcată ca neterminată, deși nu este goală.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="430"/>
        <source>Check T1.2 warns if the translation has more than x characters.</source>
        <translation>Verificarea T1.2 avertizează dacă traducerea are mai mult de x caractere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="434"/>
        <source>Check T1.3 warns if the translation has less than x letters or numbers.</source>
        <translation>Verificarea T1.3 avertizează dacă traducerea are mai puțin de x litere sau cifre.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="438"/>
        <source>Check T2.1 warns if the translation contains non-ASCII characters.</source>
        <translation>Verificarea T2.1 avertizează dacă traducerea conține caractere non-ASCII.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="442"/>
        <source>Check T2.2 warns if the translation contains control characters. (Exclusive of the warnings from Check T2.3.)</source>
        <translation>Verificarea T2.2 avertizează dacă traducerea conține caractere de control. (Exclusiv avertismentele verificării T2.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="446"/>
        <source>Check T2.3 warns if the translation contains line feed characters.</source>
        <translation>Verificarea T2.3 avertizează dacă traducerea conține caractere de salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="452"/>
        <source>Check T3.1 warns if first character of the translation is a line feed.</source>
        <translation>Verificarea T3.1 avertizează dacă primul caracter al traducerii este un salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="456"/>
        <source>Check T3.2 warns if first character of the translation is a space. (Exclusive of the warnings from Check T3.1.)</source>
        <translation>Verificarea T3.2 avertizează dacă primul caracter al traducerii este un spațiu. (Exclusiv avertismentele verificării T3.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="460"/>
        <source>Check T3.3 warns if first character of the translation is Punctuation_Close or Punctuation_FinalQuote.</source>
        <translation>Verificarea T3.3 avertizează dacă primul caracter al traducerii este Punctuation_Close sau Punctuation_FinalQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="464"/>
        <source>Check T3.4 warns if first character of the translation is not (LetterOrNumber or Punctuation_Open or Punctuation_InitialQuote or x).
Except the characters from Check T3.1 to T3.3 and the characters you wrote into the right line edit.</source>
        <translation>Verificarea T3.4 avertizează dacă primul caracter al traducerii nu este (LetterOrNumber sau Punctuation_Open sau Punctuation_InitialQuote sau x).
Cu excepția caracterelor din verificările T3.1 până la T3.3 și a caracterelor pe care le-ați scris în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="468"/>
        <source>Check T4.1 warns if the last character of the translation is a line feed.</source>
        <translation>Verificarea T4.1 avertizează dacă ultimul caracter al traducerii este un salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="472"/>
        <source>Check T4.2 warns if the last character of the translation is a space. (Exclusive of the warnings from Check T4.1.)</source>
        <translation>Verificarea T4.2 avertizează dacă ultimul caracter al traducerii este un spațiu. (Exclusiv avertismentele verificării T4.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="476"/>
        <source>Check T4.3 warns if the last character of the translation is Punctuation_Open or Punctuation_InitialQuote.</source>
        <translation>Verificarea T4.3 avertizează dacă ultimul caracter al traducerii este Punctuation_Open sau Punctuation_InitialQuote.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="480"/>
        <source>Check T4.4 warns if the last character of the translation is not (LetterOrNumber or Punctuation_Close or Punctuation_FinalQuote or x).
Except the characters from Check T4.1 to T4.3 and the characters you wrote into the right line edit.</source>
        <translation>Verificarea T4.4 avertizează dacă ultimul caracter al traducerii nu este (LetterOrNumber sau Punctuation_Close sau Punctuation_FinalQuote sau x).
Cu excepția caracterelor din verificările T4.1 până la T4.3 și a caracterelor pe care le-ați scris în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="484"/>
        <source>Check T5.1 warns if the number of characters &quot; in the translation is odd. (It&apos;s too difficult to add this in Check T5.3)</source>
        <translation>Verificarea T5.1 avertizează dacă numărul de caractere &quot; din traducere este impar. (Este prea dificil să fie inclus în verificarea T5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="488"/>
        <source>Check T5.2 warns if the number of characters &apos; in the translation is odd. (It&apos;s too difficult to add this in Check T5.3)</source>
        <translation>Verificarea T5.2 avertizează dacă numărul de caractere &apos; din traducere este impar. (Este prea dificil să fie inclus în verificarea T5.3)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="492"/>
        <source>Check T5.3 warns if the opening and the closing characters in the translation are not well-formed. (Parenthesischeck)</source>
        <translation>Verificarea T5.3 avertizează dacă caracterele de deschidere și de închidere din traducere nu sunt bine formate. (Verificarea parantezelor)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="496"/>
        <source>Check T6.1 warns if there is no space after comma or semicolon in the translation.</source>
        <translation>Verificarea T6.1 avertizează dacă în traducere nu există un spațiu după virgulă sau punct și virgulă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="500"/>
        <source>Check T6.2 warns if there is no space or closing character in the translation after full stop.</source>
        <translation>Verificarea T6.2 avertizează dacă în traducere nu există un spațiu sau un caracter de închidere după punct.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="504"/>
        <source>Check T6.3 warns if there is no space or closing character in the translation after exclamation mark or question mark.</source>
        <translation>Verificarea T6.3 avertizează dacă în traducere nu există un spațiu sau un caracter de închidere după semnul exclamării sau semnul întrebării.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="508"/>
        <source>Check T6.4 warns if there is no space in the translation after colon.</source>
        <translation>Verificarea T6.4 avertizează dacă în traducere nu există un spațiu după două puncte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="512"/>
        <source>Check T7.1 warns if there is a space before comma or semicolon in the translation.</source>
        <translation>Verificarea T7.1 avertizează dacă în traducere există un spațiu înainte de virgulă sau punct și virgulă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="516"/>
        <source>Check T7.2 warns if there is a space or an opening character in the translation before full stop.</source>
        <translation>Verificarea T7.2 avertizează dacă în traducere există un spațiu sau un caracter de deschidere înainte de punct.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="520"/>
        <source>Check T7.3 warns if there is a space or an opening character in the translation before exclamation mark or question mark.</source>
        <translation>Verificarea T7.3 avertizează dacă în traducere există un spațiu sau un caracter de deschidere înainte de semnul exclamării sau semnul întrebării.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="524"/>
        <source>Check T7.4 warns if there is a space or an opening character in the translation before colon.</source>
        <translation>Verificarea T7.4 avertizează dacă în traducere există un spațiu sau un caracter de deschidere înainte de două puncte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="528"/>
        <source>Check T8.1 warns if the translation contains a double line feed.</source>
        <translation>Verificarea T8.1 avertizează dacă traducerea conține un salt de linie dublu.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="532"/>
        <source>Check T8.2 warns if the translation contains a double space. (Exclusive of the warnings from Check T8.1.)</source>
        <translation>Verificarea T8.2 avertizează dacă traducerea conține un spațiu dublu. (Exclusiv avertismentele verificării T8.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="536"/>
        <source>Check T8.3 warns if the translation contains a double dot.</source>
        <translation>Verificarea T8.3 avertizează dacă traducerea conține un punct dublu.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="540"/>
        <source>Check T8.4 warns if the translation contains a double character.
Except the characters from Check S8.1 to S8.3, LetterOrNumber and the characters you wrote into the right line edit.</source>
        <translation>Verificarea T8.4 avertizează dacă traducerea conține un caracter dublu.
Cu excepția caracterelor din verificările S8.1 până la S8.3, LetterOrNumber și a caracterelor pe care le-ați scris în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="544"/>
        <source>Check T9.1 warns if the translation contains a double (Mark_Enclosing or Mark_NonSpacing or Mark_SpacingCombining).</source>
        <translation>Verificarea T9.1 avertizează dacă traducerea conține un caracter dublu (Mark_Enclosing sau Mark_NonSpacing sau Mark_SpacingCombining).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="548"/>
        <source>Check T9.2 warns if the translation contains a double (Punctuation_Connector or Punctuation_Dash).</source>
        <translation>Verificarea T9.2 avertizează dacă traducerea conține un caracter dublu (Punctuation_Connector sau Punctuation_Dash).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="552"/>
        <source>Check T9.3 warns if the translation contains a double (Symbol_Currency or Symbol_Modifier).</source>
        <translation>Verificarea T9.3 avertizează dacă traducerea conține un caracter dublu (Symbol_Currency sau Symbol_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="556"/>
        <source>Check T9.4 warns if the translation contains a double (Letter_Titlecase or Letter_Modifier).</source>
        <translation>Verificarea T9.4 avertizează dacă traducerea conține un caracter dublu (Letter_Titlecase sau Letter_Modifier).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="560"/>
        <source>Check T10.1 warns if a sentence in the translation begins with a lowercase letter.</source>
        <translation>Verificarea T10.1 avertizează dacă o propoziție din traducere începe cu o literă mică.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="564"/>
        <source>Check T11.1 lists all the words in the translation with double letters.</source>
        <translation>Verificarea T11.1 listează toate cuvintele din traducere cu litere duble.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="568"/>
        <source>Check T12.1 lists all the words in the translation that are mixing uppercase or lowercase letters with letters that are not uppercase nor lowercase.</source>
        <translation>Verificarea T12.1 listează toate cuvintele din traducere care amestecă litere mari sau mici cu litere care nu sunt nici mari, nici mici.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="572"/>
        <source>Check T12.2 lists all the words in the translation with an uppercase letter after a lowercase letter.</source>
        <translation>Verificarea T12.2 listează toate cuvintele din traducere cu o literă mare după o literă mică.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="576"/>
        <source>Check T12.3 lists all the words in the translation with uppercase letters only.</source>
        <translation>Verificarea T12.3 listează toate cuvintele din traducere scrise numai cu litere mari.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="580"/>
        <source>Check T13.1 warns if a word is doubled in the translation.</source>
        <translation>Verificarea T13.1 avertizează dacă un cuvânt este dublat în traducere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="584"/>
        <source>Check T14.1 warns if there is more than one QKeySequence in the translation.</source>
        <translation>Verificarea T14.1 avertizează dacă traducerea conține mai mult de o QKeySequence.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="588"/>
        <source>Check T14.2 warns if the QKeySequence is at the end of the translation.</source>
        <translation>Verificarea T14.2 avertizează dacă QKeySequence se află la sfârșitul traducerii.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="592"/>
        <source>Check T14.3 lists all QKeySequence in the translation sorted by keys.</source>
        <translation>Verificarea T14.3 listează toate QKeySequence din traducere, sortate după taste.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="596"/>
        <source>Check T14.4 lists all QKeySequence in the translation sorted by translation.</source>
        <translation>Verificarea T14.4 listează toate QKeySequence din traducere, sortate după traducere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="600"/>
        <source>Check T15.1 lists all the words in the translation. You can add more separator characters in the right line edit.</source>
        <translation>Verificarea T15.1 listează toate cuvintele din traducere. Puteți adăuga mai mulți separatori în câmpul de editare din dreapta.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="604"/>
        <source>Check T16.1 lists all translations (sorted alphabetically without duplicates).</source>
        <translation>Verificarea T16.1 listează toate traducerile (sortate alfabetic fără duplicate).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="608"/>
        <source>Check T20.1 warns if an email in the translation is not valid.</source>
        <translation>Verificarea T20.1 avertizează dacă o adresă de e-mail din traducere nu este validă.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="612"/>
        <source>Check T20.2 warns if an URI in the translation is not valid.</source>
        <translation>Verificarea T20.2 avertizează dacă un URI din traducere nu este valid.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="616"/>
        <source>Check T21.1 warns if opening or closing brace of a xml tag is not found.</source>
        <translation>Verificarea T21.1 avertizează dacă paranteza de deschidere sau de închidere a unei etichete XML nu este găsită.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="620"/>
        <source>Check T21.2 warns if a xml tag name is not fine.</source>
        <translation>Verificarea T21.2 avertizează dacă numele unei etichete XML nu este corect.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="624"/>
        <source>Check T21.3 warns if a xml tag attributes are not fine.</source>
        <translation>Verificarea T21.3 avertizează dacă atributele unei etichete XML nu sunt corecte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="628"/>
        <source>Check T21.4 warns if the opening and the closing xml tags are not well-formed. (Parenthesischeck).</source>
        <translation>Verificarea T21.4 avertizează dacă etichetele XML de deschidere și de închidere nu sunt bine formate. (Verificarea parantezelor).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="632"/>
        <source>Check ST0 lists all used characters in the source and the translation.</source>
        <translation>Verificarea ST0 listează toate caracterele folosite în sursă și în traducere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="636"/>
        <source>Check ST1.1</source>
        <translation>Verificarea ST1.1</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="640"/>
        <source>Check ST1.2</source>
        <translation>Verificarea ST1.2</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="644"/>
        <source>Check ST2.1 warns if the control characters in the source are not used in the translation.</source>
        <translation>Verificarea ST2.1 avertizează dacă caracterele de control din sursă nu sunt folosite în traducere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="648"/>
        <source>Check ST2.2 warns if the number of tabulations in the source is different in the translation.</source>
        <translation>Verificarea ST2.2 avertizează dacă numărul de tabulatori din sursă diferă de cel din traducere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="652"/>
        <source>Check ST2.3 warns if the number of line feed characters in the source is different in the translation.</source>
        <translation>Verificarea ST2.3 avertizează dacă numărul de caractere de salt de linie din sursă diferă de cel din traducere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="656"/>
        <source>Check ST3.1 warns if source XOR translation begins with a line feed.</source>
        <translation>Verificarea ST3.1 avertizează dacă sursa XOR traducerea începe cu un salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="660"/>
        <source>Check ST3.2 warns if source XOR translation begins with a space. (Except ST3.1 warnings.)</source>
        <translation>Verificarea ST3.2 avertizează dacă sursa XOR traducerea începe cu un spațiu. (Cu excepția avertismentelor ST3.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="664"/>
        <source>Check ST3.3 warns if source XOR translation begins with an opening character. (Except ST3.1 to ST3.2 warnings.)</source>
        <translation>Verificarea ST3.3 avertizează dacă sursa XOR traducerea începe cu un caracter de deschidere. (Cu excepția avertismentelor ST3.1 până la ST3.2.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="668"/>
        <source>Check ST3.4 warns if source XOR translation begins with another character. (Except LetterOrNumber and ST3.1 to ST3.3 warnings.)</source>
        <translation>Verificarea ST3.4 avertizează dacă sursa XOR traducerea începe cu alt caracter. (Cu excepția LetterOrNumber și a avertismentelor ST3.1 până la ST3.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="672"/>
        <source>Check ST4.1 warns if source XOR translation ends with a line feed.</source>
        <translation>Verificarea ST4.1 avertizează dacă sursa XOR traducerea se termină cu un salt de linie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="676"/>
        <source>Check ST4.2 warns if source XOR translation ends with a space. (Except ST4.1 warnings.)</source>
        <translation>Verificarea ST4.2 avertizează dacă sursa XOR traducerea se termină cu un spațiu. (Cu excepția avertismentelor ST4.1.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="680"/>
        <source>Check ST4.3 warns if source XOR translation ends with a closing character. (Except ST4.1 to ST4.2 warnings.)</source>
        <translation>Verificarea ST4.3 avertizează dacă sursa XOR traducerea se termină cu un caracter de închidere. (Cu excepția avertismentelor ST4.1 până la ST4.2.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="684"/>
        <source>Check ST4.4 warns if source XOR translation ends with another character. (Except LetterOrNumber and ST4.1 to ST4.3 warnings.)</source>
        <translation>Verificarea ST4.4 avertizează dacă sursa XOR traducerea se termină cu alt caracter. (Cu excepția LetterOrNumber și a avertismentelor ST4.1 până la ST4.3.)</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="688"/>
        <source>Check ST5.1 warns if source and translation contains a different number of &lt; and &gt;.</source>
        <translation>Verificarea ST5.1 avertizează dacă sursa și traducerea conțin un număr diferit de &lt; și &gt;.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="692"/>
        <source>Check ST5.2 warns if source and translation contains a different number of opening and closing characters.</source>
        <translation>Verificarea ST5.2 avertizează dacă sursa și traducerea conțin un număr diferit de caractere de deschidere și de închidere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="696"/>
        <source>Check ST6.1 warns if source and translation contains a different number of colons.</source>
        <translation>Verificarea ST6.1 avertizează dacă sursa și traducerea conțin un număr diferit de semne două puncte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="700"/>
        <source>Check ST6.2 warns if source and translation contains a different number of exclamation marks.</source>
        <translation>Verificarea ST6.2 avertizează dacă sursa și traducerea conțin un număr diferit de semne de exclamare.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="704"/>
        <source>Check ST6.3 warns if source and translation contains a different number of question marks.</source>
        <translation>Verificarea ST6.3 avertizează dacă sursa și traducerea conțin un număr diferit de semne de întrebare.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="708"/>
        <source>Check ST6.4 warns if source and translation contains a different number of full stops.</source>
        <translation>Verificarea ST6.4 avertizează dacă sursa și traducerea conțin un număr diferit de puncte.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="712"/>
        <source>Check ST7.1 warns if source and translation contains a different number of ellipses.</source>
        <translation>Verificarea ST7.1 avertizează dacă sursa și traducerea conțin un număr diferit de puncte de suspensie.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="716"/>
        <source>Check ST7.2 warns if source and translation contains a different number of other characters.</source>
        <translation>Verificarea ST7.2 avertizează dacă sursa și traducerea conțin un număr diferit de alte caractere.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="720"/>
        <source>Check ST8.1 warns if source and translation contains different numbers.</source>
        <translation>Verificarea ST8.1 avertizează dacă sursa și traducerea conțin numere diferite.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="724"/>
        <source>Check ST8.2 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1.</source>
        <translation>Verificarea ST8.2 avertizează dacă sursa și traducerea conțin numere diferite. O verificare mai strictă, dar fără avertismentele din ST8.1.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="728"/>
        <source>Check ST8.3 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1 to ST8.2.</source>
        <translation>Verificarea ST8.3 avertizează dacă sursa și traducerea conțin numere diferite. O verificare mai strictă, dar fără avertismentele din ST8.1 până la ST8.2.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="732"/>
        <source>Check ST8.4 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1 to ST8.3.</source>
        <translation>Verificarea ST8.4 avertizează dacă sursa și traducerea conțin numere diferite. O verificare mai strictă, dar fără avertismentele din ST8.1 până la ST8.3.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="736"/>
        <source>Check ST9.1 warns if source and translation contains a different number of QKeySequence.</source>
        <translation>Verificarea ST9.1 avertizează dacă sursa și traducerea conțin un număr diferit de QKeySequence.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="740"/>
        <source>Check ST9.2 warns if source and translation contains a different number of arguments.</source>
        <translation>Verificarea ST9.2 avertizează dacă sursa și traducerea conțin un număr diferit de argumente.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="744"/>
        <source>Check ST9.3 warns if the arguments are not increasing by 1.</source>
        <translation>Verificarea ST9.3 avertizează dacă argumentele nu cresc cu câte 1.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="748"/>
        <source>Check ST10.1 warns if the source is not translated always identically.</source>
        <translation>Verificarea ST10.1 avertizează dacă sursa nu este tradusă întotdeauna identic.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="752"/>
        <source>Check ST11.1 warns if the same translation is used for different sources.</source>
        <translation>Verificarea ST11.1 avertizează dacă aceeași traducere este folosită pentru surse diferite.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="756"/>
        <source>Check ST20.1 if source and translation contains a different emails.</source>
        <translation>Verificarea ST20.1 avertizează dacă sursa și traducerea conțin adrese de e-mail diferite.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="760"/>
        <source>Check ST20.2 if source and translation contains a different URIs.</source>
        <translation>Verificarea ST20.2 avertizează dacă sursa și traducerea conțin URI-uri diferite.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="764"/>
        <source>Check ST21.1 if source and translation contains a different number of tag.</source>
        <translation>Verificarea ST21.1 avertizează dacă sursa și traducerea conțin un număr diferit de etichete.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="768"/>
        <source>Check ST22.1 warns if the printf conversions (%d, %s, %1$s) of source and translation differ in number or type.</source>
        <translation>Verificarea ST22.1 avertizează dacă conversiile printf (%d, %s, %1$s) din sursă și traducere diferă ca număr sau tip.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="772"/>
        <source>Check ST22.2 warns if source and translation contain different placeholders in braces ({name}, {0}).</source>
        <translation>Verificarea ST22.2 avertizează dacă sursa și traducerea conțin substituenți diferiți între acolade ({name}, {0}).</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="776"/>
        <source>Check ST22.3 warns if the translation of a text with markup contains a malformed entity, such as one without its closing semicolon.</source>
        <translation>Verificarea ST22.3 avertizează dacă traducerea unui text cu marcaje conține o entitate greșită, de exemplu una fără punct și virgulă la final.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="780"/>
        <source>Check ST22.4 warns if a plural message has fewer translated forms than the language has.</source>
        <translation>Verificarea ST22.4 avertizează dacă un mesaj cu plural are mai puține forme traduse decât are limba.</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="784"/>
        <source>Check ST22.5 warns if the translation is a copy of a source with at least two words. Words that stay the same:</source>
        <translation>Verificarea ST22.5 avertizează dacă traducerea este o copie a unei surse cu cel puțin două cuvinte. Cuvinte care rămân la fel:</translation>
    </message>
    <message>
        <location filename="../model/catalogue.h" line="788"/>
        <source>Check ST22.6 warns if the source has a &quot;_&quot; accelerator and the translation has none (.po files).</source>
        <translation>Verificarea ST22.6 avertizează dacă sursa are un accelerator &quot;_&quot; și traducerea nu are niciunul (fișiere .po).</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="44"/>
        <source>%1 marked as unfinished</source>
        <translation>%1 marcate ca neterminate</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="96"/>
        <source>Last checks were done at %1</source>
        <translation>Ultimele verificări au fost efectuate la %1</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="110"/>
        <source>Read file %1.</source>
        <translation>S-a citit fișierul %1.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="112"/>
        <source>Read %1 files in %2.</source>
        <translation>S-au citit %1 fișiere din %2.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="114"/>
        <source>Read %1 sources.</source>
        <translation>S-au citit %1 surse.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="117"/>
        <source>Warning! %1 sources are empty! Compare Check S1.1.</source>
        <translation>Atenție! %1 surse sunt goale! Consultați verificarea S1.1.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="121"/>
        <source>Read %1 translations. %2 are marked as unfinished.</source>
        <translation>S-au citit %1 traduceri. %2 sunt marcate ca neterminate.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="126"/>
        <source>Warning! %1 translations are empty! Compare Check T1.1.</source>
        <translation>Atenție! %1 traduceri sunt goale! Consultați verificarea T1.1.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="130"/>
        <source>The number of read sources and translations might be different because the source use %2 numerus while the translation uses %3 numerus.</source>
        <translation>Numărul surselor și al traducerilor citite poate fi diferit, deoarece sursa folosește %2 forme de plural, iar traducerea folosește %3.</translation>
    </message>
    <message>
        <location filename="../report/report.cpp" line="137"/>
        <source>%1 vanished sources (and translations) not imported.</source>
        <translation>%1 surse dispărute (și traducerile lor) nu au fost importate.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="60"/>
        <source>Format the results with html.</source>
        <translation>Formatează rezultatele cu HTML.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="61"/>
        <source>Don&apos;t trim</source>
        <translation>Fără curățarea capetelor</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="62"/>
        <source>Disallow numbers</source>
        <translation>Nu permite numere</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="63"/>
        <source>Disallow times</source>
        <translation>Nu permite ore</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="64"/>
        <source>Disallow Ellipsis (...)</source>
        <translation>Nu permite puncte de suspensie (...)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="65"/>
        <source>Split into two sentences if there is a line feed</source>
        <translation>Împarte în două propoziții dacă există un salt de linie</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="66"/>
        <source>Case-Insensitive</source>
        <translation>Fără diferențiere între majuscule și minuscule</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="67"/>
        <source>Case-Sensitive</source>
        <translation>Cu diferențiere între majuscule și minuscule</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="68"/>
        <source>Skip numbers</source>
        <translation>Ignoră numerele</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="69"/>
        <source>Don&apos;t allow &apos;-&gt;&apos;</source>
        <translation>Nu permite &apos;-&gt;&apos;</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="70"/>
        <source>Don&apos;t allow &apos; &lt; &apos;, &apos; &gt; &apos;, &apos; &lt;=&apos; and &apos; &gt;=&apos;</source>
        <translation>Nu permite &apos; &lt; &apos;, &apos; &gt; &apos;, &apos; &lt;=&apos; și &apos; &gt;=&apos;</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="71"/>
        <source>Qt html subset only</source>
        <translation>Doar subsetul HTML Qt</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="72"/>
        <source>Strict xml</source>
        <translation>XML strict</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="73"/>
        <source>Qt css subset only</source>
        <translation>Doar subsetul CSS Qt</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="74"/>
        <source>Maybe copy and paste this list into LibreOffice Writer, Microsoft Word, Google Docs, Apple Pages or another software with a grammar and spell checker.</source>
        <translation>Eventual copiați și lipiți această listă în LibreOffice Writer, Microsoft Word, Google Docs, Apple Pages sau în alt program cu verificare gramaticală și ortografică.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="78"/>
        <source>Please let me know if there are (too many) wrong warnings. I want to improve the test.</source>
        <translation>Vă rog să-mi spuneți dacă există (prea multe) avertismente greșite. Vreau să îmbunătățesc verificarea.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="92"/>
        <source>Include the characters &lt; and &gt; in Check S5.3</source>
        <translation>Include caracterele &lt; și &gt; în verificarea S5.3</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="77"/>
        <source>Disallow listings with a Punctuation_Close at the beginning</source>
        <translation>Nu permite enumerări cu un Punctuation_Close la început</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="97"/>
        <source>Include the characters &lt; and &gt; in Check T5.3</source>
        <translation>Include caracterele &lt; și &gt; în verificarea T5.3</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="75"/>
        <source>This check will be affected by settings from check S15.1. Add more separator characters and trim in check S15.1 to get less words there, but more hits here.</source>
        <translation>Această verificare depinde de setările din S15.1. Mai mulți separatori și curățarea capetelor în S15.1 dau mai puține cuvinte acolo, dar mai multe rezultate aici.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="76"/>
        <source>This check will be affected by settings from check T15.1. Add more separator characters and trim in check T15.1 to get less words there, but more hits here.</source>
        <translation>Această verificare depinde de setările din T15.1. Mai mulți separatori și curățarea capetelor în T15.1 dau mai puține cuvinte acolo, dar mai multe rezultate aici.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="101"/>
        <source>» and « as a pair where the language quotes »so«</source>
        <translation>» și « ca pereche acolo unde limba citează »astfel«</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="118"/>
        <source>Skip placeholders, tags, abbreviations and letters without case</source>
        <translation>Omite substituenții, etichetele, abrevierile și literele fără majuscule</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="124"/>
        <source>These checks will be affected by settings from check S15.1. Add more separator characters and trim in check S15.1 to get less words there, but more hits here.</source>
        <translation>Aceste verificări depind de setările din S15.1. Mai mulți separatori și curățarea capetelor în S15.1 dau mai puține cuvinte acolo, dar mai multe rezultate aici.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="126"/>
        <source>These checks will be affected by settings from check T15.1. Add more separator characters and trim in check T15.1 to get less words there, but more hits here.</source>
        <translation>Aceste verificări depind de setările din T15.1. Mai mulți separatori și curățarea capetelor în T15.1 dau mai puține cuvinte acolo, dar mai multe rezultate aici.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="142"/>
        <source>This settings will also affect checks S11 to S13. Add more separator characters and trim to get less words there, but more hits in the other checks.</source>
        <translation>Aceste setări influențează și verificările S11 până la S13. Mai mulți separatori și curățarea capetelor dau mai puține cuvinte aici, dar mai multe rezultate în celelalte verificări.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="147"/>
        <source>This settings will also affect check T11 to T13. Add more separator characters and trim to get less words there, but more hits in the other checks.</source>
        <translation>Aceste setări influențează și verificările T11 până la T13. Mai mulți separatori și curățarea capetelor dau mai puține cuvinte aici, dar mai multe rezultate în celelalte verificări.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="167"/>
        <source>Checks ST1 warn if the source length to translation length ratio is too small or too large.</source>
        <translation>Verificările ST1 avertizează dacă raportul dintre lungimea sursei și lungimea traducerii este prea mic sau prea mare.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="168"/>
        <source>To reduce the number of false positive warnings the limits can be set 2 times. For source strings with less than x characters and for the other stings.</source>
        <translation>Pentru a reduce numărul de avertismente fals pozitive, limitele pot fi setate de 2 ori. Pentru sursele cu mai puțin de x caractere și pentru celelalte texte.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="169"/>
        <source>Set the number x for the number of source characters in this spin box:</source>
        <translation>Setați în acest câmp numeric numărul x pentru numărul de caractere ale sursei:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="172"/>
        <source>Warn if the ratio (with source &lt; x) is lower than:</source>
        <translation>Avertizează dacă raportul (pentru sursă &lt; x) este mai mic decât:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="174"/>
        <source>Warn if the ratio (with source &lt; x) is greater than:</source>
        <translation>Avertizează dacă raportul (pentru sursă &lt; x) este mai mare decât:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="177"/>
        <source>Warn if the ratio (with source &gt;= x) is lower than:</source>
        <translation>Avertizează dacă raportul (pentru sursă &gt;= x) este mai mic decât:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="179"/>
        <source>Warn if the ratio (with source &gt;= x) is greater than:</source>
        <translation>Avertizează dacă raportul (pentru sursă &gt;= x) este mai mare decât:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="182"/>
        <source>Other limits for translations in Han, Hiragana, Katakana or Hangul, lower:</source>
        <translation>Alte limite pentru traduceri în Han, Hiragana, Katakana sau Hangul, inferioară:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="184"/>
        <source>greater:</source>
        <translation>superioară:</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="187"/>
        <source>Quotes and brackets may move to the other end (also ST3.4, ST4.3, ST4.4)</source>
        <translation>Ghilimelele și parantezele se pot muta la celălalt capăt (și ST3.4, ST4.3, ST4.4)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="188"/>
        <source>Brackets only, quotes and accelerator suffixes ignored</source>
        <translation>Doar paranteze; ghilimelele și sufixele de accelerator sunt ignorate</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="189"/>
        <source>ASCII, full-width and native marks as one class (. 。, : ：, ? ？, ... …), also in ST4.4, ST7.1 and T6.2</source>
        <translation>Semnele ASCII, de lățime completă și native ca o singură clasă (. 。, : ：, ? ？, ... …), și în ST4.4, ST7.1 și T6.2</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="191"/>
        <source>Numbers normalised: digits of every script, both decimal separators, no placeholders, numbers only the translation adds not reported (also ST8.2 to ST8.4)</source>
        <translation>Numere normalizate: cifrele tuturor scrierilor, ambii separatori zecimali, fără substituenți, numerele adăugate doar de traducere nu sunt raportate (și ST8.2 până la ST8.4)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="192"/>
        <source>Accelerators by file kind (&quot;_&quot; in .po files; a doubled ampersand is literal)</source>
        <translation>Acceleratori după tipul fișierului (&quot;_&quot; în fișierele .po; un ampersand dublat este literal)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="194"/>
        <source>Disallow duplicates</source>
        <translation>Nu permite duplicate</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="195"/>
        <source>Read %L1 and %1$s, not printf widths (also ST9.3)</source>
        <translation>Citește %L1 și %1$s, nu lățimile printf (și ST9.3)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="197"/>
        <source>Compare like numerus forms only (also ST11.1)</source>
        <translation>Compară doar forme de număr asemănătoare (și ST11.1)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="199"/>
        <source>Detect ~.</source>
        <translation>Detectează ~.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="200"/>
        <source>Detect :.</source>
        <translation>Detectează :.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="201"/>
        <source>Detect [].</source>
        <translation>Detectează [].</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="202"/>
        <source>Detect also single dot.</source>
        <translation>Detectează și punctul singur.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="203"/>
        <source>Detect also single slash.</source>
        <translation>Detectează și bara oblică singură.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="205"/>
        <source>Skip translator credits and &lt;user@host&gt; contact lines</source>
        <translation>Omite mențiunile traducătorilor și liniile de contact &lt;user@host&gt;</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="206"/>
        <source>Only names of HTML elements make tags; &lt;empty&gt; and &lt;%1&gt; are text (also S21 and T21)</source>
        <translation>Doar numele elementelor HTML formează etichete; &lt;empty&gt; și &lt;%1&gt; sunt text (și S21 și T21)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="386"/>
        <location filename="../app/mainwindow.cpp" line="414"/>
        <source>Open File</source>
        <translation>Deschide fișier</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="387"/>
        <source>Open Directory (Filtered by file name)</source>
        <translation>Deschide director (filtrat după numele fișierului)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="388"/>
        <source>Open Directory (All files)</source>
        <translation>Deschide director (toate fișierele)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="389"/>
        <source>Run Checks</source>
        <translation>Rulează verificările</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="390"/>
        <source>Text Wrap Mode</source>
        <translation>Încadrare text</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="392"/>
        <source>Print Location</source>
        <translation>Afișează locația</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="499"/>
        <source>Welcome to Korvane (KVN)</source>
        <translation>Bun venit în Korvane (KVN)</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="500"/>
        <source>This software is designed to locate bugs in the source and the translation.</source>
        <translation>Acest program este conceput pentru a găsi erori în sursă și în traducere.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="502"/>
        <source>It supports .ts files from Qt and .po files.</source>
        <translation>Acceptă fișiere .ts din Qt și fișiere .po.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="503"/>
        <source>KVN checks the sources (S) and the translations (T). Some checks compare the source with the translation (ST).</source>
        <translation>KVN verifică sursele (S) și traducerile (T). Unele verificări compară sursa cu traducerea (ST).</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="506"/>
        <source>The ST checks are not only useful for translators. Some of them are also useful for the source code developer.</source>
        <translation>Verificările ST nu sunt utile doar traducătorilor. Unele dintre ele sunt utile și dezvoltatorului codului sursă.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="509"/>
        <source>There might be a lot of false positive warnings.</source>
        <translation>Pot apărea multe avertismente fals pozitive.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="510"/>
        <source>Some checks have optional check boxes or spin boxes to reduce the number of false positive warnings.</source>
        <translation>Unele verificări au casete de bifare sau câmpuri numerice opționale pentru a reduce numărul de avertismente fals pozitive.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="513"/>
        <source>Checked check boxes will always do more checks.</source>
        <translation>Casetele bifate fac întotdeauna mai multe verificări.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="514"/>
        <source>Several check boxes for the translation checks (T) are tristated. If a checkbox is partially checked (on most systems this is a full square), then the translation won&apos;t be checked if the source failed the same check number.</source>
        <translation>Mai multe casete de bifare ale verificărilor traducerii (T) au trei stări. Dacă o casetă este bifată parțial (pe majoritatea sistemelor este un pătrat plin), traducerea nu va fi verificată dacă sursa nu a trecut verificarea cu același număr.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="519"/>
        <source>So if check T5.3 is partially checked then it skip the warning if S5.3 failed. Note that S5.3 uses its own optional check boxes, not the optional check boxes from T5.3.</source>
        <translation>Deci, dacă verificarea T5.3 este bifată parțial, avertismentul ei este omis dacă S5.3 a eșuat. Rețineți că S5.3 folosește propriile casete de bifare opționale, nu casetele de bifare opționale ale T5.3.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="523"/>
        <source>Using the optional check boxes and spin boxes from the source checks can also reduce false positives from the translation checks.</source>
        <translation>Folosirea casetelor de bifare și a câmpurilor numerice opționale ale verificărilor sursei poate reduce și rezultatele fals pozitive ale verificărilor traducerii.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="526"/>
        <source>Please let me know if the are too many false positives or missing checks.</source>
        <translation>Vă rog să-mi spuneți dacă există prea multe rezultate fals pozitive sau dacă lipsesc verificări.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="534"/>
        <source>Which characters are &apos;Punctuation_Open&apos;?</source>
        <translation>Ce caractere sunt &apos;Punctuation_Open&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="536"/>
        <source>Which characters are &apos;Punctuation_InitialQuote&apos;?</source>
        <translation>Ce caractere sunt &apos;Punctuation_InitialQuote&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="538"/>
        <source>Which characters are &apos;Punctuation_Close&apos;?</source>
        <translation>Ce caractere sunt &apos;Punctuation_Close&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="540"/>
        <source>Which characters are &apos;Punctuation_FinalQuote&apos;?</source>
        <translation>Ce caractere sunt &apos;Punctuation_FinalQuote&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="554"/>
        <source>Which characters are &apos;opening character&apos;?</source>
        <translation>Ce caractere sunt &apos;caractere de deschidere&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="555"/>
        <source>All Punctuation_Open and Punctuation_InitialQuote characters.</source>
        <translation>Toate caracterele Punctuation_Open și Punctuation_InitialQuote.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="557"/>
        <source>Which characters are &apos;closing character&apos;?</source>
        <translation>Ce caractere sunt &apos;caractere de închidere&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="558"/>
        <source>All Punctuation_Close and Punctuation_FinalQuote characters.</source>
        <translation>Toate caracterele Punctuation_Close și Punctuation_FinalQuote.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="560"/>
        <source>Which characters are used for the &apos;Parenthesischeck&apos;?</source>
        <translation>Ce caractere sunt folosite pentru &apos;verificarea parantezelor&apos;?</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="561"/>
        <source>All opening characters and closing characters that have a &apos;mirroredChar&apos;.</source>
        <translation>Toate caracterele de deschidere și de închidere care au un &apos;mirroredChar&apos;.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="563"/>
        <source>Some of them can&apos;t be mirrored, since they are mirrored differently in other languages.</source>
        <translation>Unele dintre ele nu pot fi oglindite, deoarece în alte limbi sunt oglindite diferit.</translation>
    </message>
    <message>
        <location filename="../app/checkpanel.cpp" line="565"/>
        <source>I will try to improve the check by adding localized rules.</source>
        <translation>Voi încerca să îmbunătățesc verificarea adăugând reguli localizate.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="86"/>
        <source>Reading files...</source>
        <translation>Se citesc fișierele...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="87"/>
        <location filename="../app/mainwindow.cpp" line="517"/>
        <source>Abort</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="153"/>
        <source>Arabic</source>
        <translation>Arabă</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="154"/>
        <source>German</source>
        <translation>Germană</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="155"/>
        <source>English</source>
        <translation>Engleză</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="156"/>
        <source>Romanian</source>
        <translation>Română</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="205"/>
        <source>Findings</source>
        <translation>Constatări</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="225"/>
        <source>Editor Command</source>
        <translation>Comanda editorului</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="226"/>
        <source>The command that opens a file at a line (%f: the file, %l: the line).
Empty: $VISUAL or $EDITOR with +LINE, else the desktop&apos;s default application.</source>
        <translation>Comanda care deschide un fișier la o linie (%f: fișierul, %l: linia).
Gol: $VISUAL sau $EDITOR cu +LINE, altfel aplicația implicită a desktopului.</translation>
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
        <translation>Deschide director</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="428"/>
        <location filename="../app/mainwindow.cpp" line="452"/>
        <source>Multible files: %1</source>
        <translation>Fișiere multiple: %1</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="443"/>
        <source>Select File):</source>
        <translation>Selectați fișierul:</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="444"/>
        <source>The selected file will be opend from %1
and all its subdirectories.</source>
        <translation>Fișierul selectat va fi deschis din %1
și din toate subdirectoarele sale.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="448"/>
        <source>Select File</source>
        <translation>Selectați fișierul</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="532"/>
        <source>Reading files... %1 of %2</source>
        <translation>Se citesc fișierele... %1 din %2</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="576"/>
        <source>Files: %1   Messages: %2   Findings: %3   Time: %4 s</source>
        <translation>Fișiere: %1   Mesaje: %2   Constatări: %3   Timp: %4 s</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="698"/>
        <source>Folder for the Logs</source>
        <translation>Director pentru jurnale</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="725"/>
        <source>&amp;Language</source>
        <comment>Menu</comment>
        <translation>&amp;Limbă</translation>
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
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="734"/>
        <source>Translate ts</source>
        <comment>Menu</comment>
        <translation>Traducere ts</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="737"/>
        <source>A&amp;bout</source>
        <comment>Menu. Don&apos;t use the shortcut for &apos;copy all&apos;!</comment>
        <translation>&amp;Despre</translation>
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
        <translation>Despre &amp;Qt</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="745"/>
        <source>Clear Settings</source>
        <comment>Menu</comment>
        <translation>Șterge setările</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="748"/>
        <source>&amp;Open File...</source>
        <comment>Menu</comment>
        <translation>&amp;Deschide fișier...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="751"/>
        <source>Open Directory (&amp;Filtered by file name)...</source>
        <comment>Menu</comment>
        <translation>Deschide dosar (&amp;filtrat după numele fișierului)...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="753"/>
        <source>Open &amp;Directory (All files)...</source>
        <comment>Menu</comment>
        <translation>Deschide &amp;dosar (toate fișierele)...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="755"/>
        <source>Save &amp;Report As...</source>
        <comment>Menu</comment>
        <translation>Salvează &amp;raportul ca...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="759"/>
        <source>&amp;Run Again</source>
        <comment>Menu</comment>
        <translation>&amp;Rulează din nou</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="763"/>
        <source>&amp;Hide Tabs Without Findings</source>
        <comment>Menu</comment>
        <translation>&amp;Ascunde filele fără constatări</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="767"/>
        <source>&amp;Find...</source>
        <comment>Menu</comment>
        <translation>&amp;Caută...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="774"/>
        <source>Next Finding</source>
        <comment>Menu</comment>
        <translation>Constatarea următoare</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="777"/>
        <source>Previous Finding</source>
        <comment>Menu</comment>
        <translation>Constatarea anterioară</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="780"/>
        <source>&amp;Editor Command...</source>
        <comment>Menu</comment>
        <translation>Comanda &amp;editorului...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="784"/>
        <source>Previous Tab</source>
        <comment>Menu</comment>
        <translation>Fila anterioară</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="787"/>
        <source>Next Tab</source>
        <comment>Menu</comment>
        <translation>Fila următoare</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="792"/>
        <source>Batch Check Directory...</source>
        <comment>Menu</comment>
        <translation>Verificare în lot a directorului...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="798"/>
        <source>&amp;File</source>
        <comment>Main menu</comment>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="806"/>
        <source>&amp;View</source>
        <comment>Main menu</comment>
        <translation>&amp;Vizualizare</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="817"/>
        <source>&amp;Settings</source>
        <comment>Main menu</comment>
        <translation>&amp;Setări</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="819"/>
        <source>&amp;Profiles</source>
        <comment>Menu</comment>
        <translation>&amp;Profiluri</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="823"/>
        <source>&amp;Default</source>
        <translation>&amp;Implicit</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="824"/>
        <source>&amp;Recommended</source>
        <translation>&amp;Recomandat</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="825"/>
        <source>&amp;All</source>
        <translation>&amp;Toate</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="837"/>
        <source>&amp;Translate</source>
        <comment>Main menu</comment>
        <translation>&amp;Traducere</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="840"/>
        <source>&amp;Help</source>
        <comment>Main menu</comment>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="876"/>
        <source>Change Language</source>
        <translation>Schimbă limba</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="876"/>
        <source>Select language:</source>
        <translation>Selectați limba:</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="883"/>
        <location filename="../app/mainwindow.cpp" line="900"/>
        <source>KVN information</source>
        <translation>Informație KVN</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="884"/>
        <source>Language %1 selected.</source>
        <translation>Limba %1 a fost selectată.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="885"/>
        <source>KVN will now close to activate the new language. Please restart KVN.</source>
        <translation>KVN se va închide acum pentru a activa noua limbă. Vă rugăm să reporniți KVN.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="895"/>
        <source>Do you want to delete the settings?</source>
        <translation>Doriți să ștergeți setările?</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="901"/>
        <source>Clear settings. KVN will close now. Please restart KVN.</source>
        <translation>Setările au fost șterse. KVN se va închide acum. Vă rugăm să reporniți KVN.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="910"/>
        <source>Set every check box and option of the panel as the profile %1 has them?</source>
        <translation>Setați toate casetele de bifare și opțiunile panoului așa cum le are profilul %1?</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="933"/>
        <source>Report text (*.txt)</source>
        <translation>Text raport (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="934"/>
        <source>One line per finding, as gcc (*.log)</source>
        <translation>O linie pe constatare, ca gcc (*.log)</translation>
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
        <translation>CSV, pentru foi de calcul (*.csv)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="950"/>
        <source>Save Report As...</source>
        <translation>Salvează raportul ca...</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="968"/>
        <source>Could not write %1.</source>
        <translation>Nu s-a putut scrie %1.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="978"/>
        <source>Korvane (KVN) by Oskerbay.</source>
        <translation>Korvane (KVN) de Oskerbay.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="979"/>
        <source>KVN helps to find bugs in the source and the translation.</source>
        <translation>KVN ajută la găsirea erorilor în sursă și în traducere.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="980"/>
        <source>Shared libraries by</source>
        <translation>Biblioteci partajate de la</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../report/formatters.cpp" line="19"/>
        <location filename="../report/formatters.cpp" line="43"/>
        <source>Found %1 item(s)</source>
        <translation>S-au găsit %1 element(e)</translation>
    </message>
    <message>
        <location filename="../report/formatters.cpp" line="44"/>
        <source>Failed %1 time(s)</source>
        <translation>%1 eșec(uri)</translation>
    </message>
</context>
<context>
    <name>TranslateTsDialog</name>
    <message>
        <location filename="../assistant/exchange.cpp" line="52"/>
        <source>Reading %1 failed.</source>
        <translation>Citirea %1 a eșuat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="53"/>
        <source>Reading %1...</source>
        <translation>Se citește %1...</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="54"/>
        <source>Reading %1 done.</source>
        <translation>Citirea %1 s-a încheiat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="56"/>
        <source>Reading %1 gave error code %2.</source>
        <translation>Citirea %1 a returnat codul de eroare %2.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="57"/>
        <source>Writing %1 done.</source>
        <translation>Scrierea %1 s-a încheiat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="59"/>
        <source>Writing file %1 gave error code %2.</source>
        <translation>Scrierea fișierului %1 a returnat codul de eroare %2.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="60"/>
        <source>Merging abort.</source>
        <translation>Îmbinarea a fost întreruptă.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="61"/>
        <source>Reading %1 stopped in line %2: the line is not UTF-8.</source>
        <translation>Citirea %1 s-a oprit la linia %2: linia nu este UTF-8.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="85"/>
        <source>Critical error.</source>
        <translation>Eroare critică.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="152"/>
        <source>Reading %1 stopped in line %2: a &lt;%3&gt; element starts before the previous one ends.</source>
        <translation>Citirea %1 s-a oprit la linia %2: un element &lt;%3&gt; începe înainte ca precedentul să se încheie.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="156"/>
        <source>Reading %1 stopped in line %2: the line ends a &lt;%3&gt; element before it starts one.</source>
        <translation>Citirea %1 s-a oprit la linia %2: linia încheie un element &lt;%3&gt; înainte de a începe unul.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="164"/>
        <source>Reading %1 stopped: the &lt;%3&gt; element that starts in line %2 never ends.</source>
        <translation>Citirea %1 s-a oprit: elementul &lt;%3&gt; care începe la linia %2 nu se încheie niciodată.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="232"/>
        <source>Another process is working in %1. Please try again when it has finished.</source>
        <translation>Un alt proces lucrează în %1. Vă rugăm să încercați din nou după ce acesta se termină.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="247"/>
        <source>The file name gives no work folder below %1.</source>
        <translation>Din numele fișierului nu rezultă un director de lucru sub %1.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="253"/>
        <source>Creating %1 failed.</source>
        <translation>Crearea %1 a eșuat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="262"/>
        <source>%1 is not a .ts file.</source>
        <translation>%1 nu este un fișier .ts.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="327"/>
        <source>Writing %1 failed.</source>
        <translation>Scrierea %1 a eșuat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="331"/>
        <location filename="../assistant/exchange.cpp" line="736"/>
        <source>Writing %1...</source>
        <translation>Se scrie %1...</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="333"/>
        <source>Writing %1 gave error code %2.</source>
        <translation>Scrierea %1 a returnat codul de eroare %2.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="348"/>
        <source>Now use the file %1, or copy and paste the source from the left box and let it translate.</source>
        <translation>Acum folosiți fișierul %1 sau copiați sursa din caseta din stânga și dați-o la tradus.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="354"/>
        <source>If you let it translate by an AI, then it is clever to tell the AI more about the content.</source>
        <translation>Dacă textul este tradus de o IA, este bine să îi spuneți IA-ului mai multe despre conținut.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="357"/>
        <source>Example: </source>
        <translation>Exemplu: </translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="359"/>
        <source>Please translate the attached file %1 from English to German.</source>
        <translation>Vă rog să traduceți fișierul atașat %1 din engleză în română.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="363"/>
        <source>The texts come from a desktop program that checks the translation files of other software.</source>
        <translation>Textele provin dintr-un program desktop care verifică fișierele de traducere ale altor programe.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="367"/>
        <source>Translate the word &apos;source&apos; as &apos;Quelltext&apos;.</source>
        <translation>Traduceți cuvântul &apos;source&apos; prin &apos;sursă&apos;.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="371"/>
        <source>Don&apos;t translate the &apos;*****&apos; characters. Keep them as they are.</source>
        <translation>Nu traduceți caracterele &apos;*****&apos;. Păstrați-le așa cum sunt.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="375"/>
        <source>As soon as you have got the translated file, you can copy and paste the translation into the rigth box or store it next to file %1 with the name %2 and press the &apos;Merge Translation&apos; push button.</source>
        <translation>Imediat ce ați primit fișierul tradus, puteți copia și lipi traducerea în caseta din dreapta sau o puteți salva lângă fișierul %1 cu numele %2 și apăsați butonul &apos;Îmbină traducerea&apos;.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="395"/>
        <source>Reading %1</source>
        <translation>Se citește %1</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="431"/>
        <source>Reading the translation from the right box now.</source>
        <translation>Acum se citește traducerea din caseta din dreapta.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="435"/>
        <source>Reading the source from the left box now.</source>
        <translation>Acum se citește sursa din caseta din stânga.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="439"/>
        <source>The right translation box is empty.</source>
        <translation>Caseta de traducere din dreapta este goală.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="441"/>
        <source>The left source box is empty.</source>
        <translation>Caseta sursei din stânga este goală.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="499"/>
        <source>Maybe let an AI check the grammar KVN_translation.txt file.</source>
        <translation>Eventual lăsați o IA să verifice gramatica fișierului KVN_translation.txt.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="553"/>
        <source>The merged file %1 is the file %2 itself.</source>
        <translation>Fișierul îmbinat %1 este chiar fișierul %2.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="789"/>
        <source>No ts file selected.</source>
        <translation>Niciun fișier ts selectat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="516"/>
        <source>The number of source strings (%1) is not the same as the number of translation strings (%2).</source>
        <translation>Numărul textelor sursă (%1) nu este același cu numărul textelor traduse (%2).</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="522"/>
        <source>Number of source and translation strings are the same.</source>
        <translation>Numărul textelor sursă și al traducerilor este același.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="529"/>
        <source>Entry %1 of the source list is empty.</source>
        <translation>Intrarea %1 din lista surselor este goală.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="544"/>
        <source>Reading file %1 failed.</source>
        <translation>Citirea fișierului %1 a eșuat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="734"/>
        <source>Creating file %1 failed.</source>
        <translation>Crearea fișierului %1 a eșuat.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="629"/>
        <source>Line %2 of %1 holds an empty translation that is not alone on its line or not indented by %3 blanks.</source>
        <translation>Linia %2 din %1 conține o traducere goală care nu este singură pe linie sau nu este indentată cu %3 spații.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="635"/>
        <source>Line %2 of %1 holds an empty translation without a source in front of it.</source>
        <translation>Linia %2 din %1 conține o traducere goală fără o sursă înaintea ei.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="648"/>
        <source>The source of the translation in line %2 of %1 is not in the source list: %3</source>
        <translation>Sursa traducerii de la linia %2 din %1 nu se află în lista surselor: %3</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="684"/>
        <source>Added %1 translations and skiped %2 translations.</source>
        <translation>S-au adăugat %1 traduceri și s-au omis %2 traduceri.</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="688"/>
        <source>Please check the follwoing %1 numerus forms:</source>
        <translation>Vă rugăm să verificați următoarele %1 forme de plural:</translation>
    </message>
    <message>
        <location filename="../assistant/exchange.cpp" line="693"/>
        <source>These %1 sources got an empty translation, their messages stay unfinished:</source>
        <translation>Aceste %1 surse au primit o traducere goală, mesajele lor rămân neterminate:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="33"/>
        <source>Select File</source>
        <translation>Selectați fișierul</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="34"/>
        <source>Keep Unfinished flag</source>
        <translation>Păstrează marcajul de neterminat</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="35"/>
        <source>Merge Translation</source>
        <translation>Îmbină traducerea</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="40"/>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="42"/>
        <source>KVN - Translate ts</source>
        <translation>KVN - Traducere ts</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="71"/>
        <source>&amp;Sources for translation:</source>
        <translation>&amp;Texte sursă pentru traducere:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="72"/>
        <source>&amp;Translations to merge:</source>
        <translation>&amp;Traduceri de îmbinat:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="79"/>
        <source>&amp;Messages:</source>
        <translation>&amp;Mesaje:</translation>
    </message>
    <message>
        <location filename="../assistant/translatetsdialog.cpp" line="127"/>
        <source>Open File</source>
        <translation>Deschide fișier</translation>
    </message>
</context>
<context>
    <name>kvn</name>
    <message>
        <location filename="../model/profiles.cpp" line="8"/>
        <source>The built-in defaults.</source>
        <translation>Valorile implicite încorporate.</translation>
    </message>
    <message>
        <location filename="../model/profiles.cpp" line="10"/>
        <source>Every check on, tri-state boxes fully checked.</source>
        <translation>Toate verificările pornite, căsuțele cu trei stări bifate complet.</translation>
    </message>
    <message>
        <location filename="../model/profiles.cpp" line="19"/>
        <source>The checks worth acting on, with the rule options that keep them quiet on correct translations.</source>
        <translation>Verificările care merită urmate, cu opțiunile de reguli care le păstrează liniștite la traducerile corecte.</translation>
    </message>
    <message>
        <location filename="../run/checklist.cpp" line="80"/>
        <source>Profiles:</source>
        <translation>Profiluri:</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="35"/>
        <source>%1 does not exist.</source>
        <translation>%1 nu există.</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="38"/>
        <location filename="../cli/checkcommand.cpp" line="398"/>
        <source>cannot read the directory %1.</source>
        <translation>directorul %1 nu poate fi citit.</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="43"/>
        <source>%1 is neither a regular file nor a directory.</source>
        <translation>%1 nu este nici fișier obișnuit, nici director.</translation>
    </message>
    <message>
        <location filename="../run/inputs.cpp" line="47"/>
        <source>%1 is an XLIFF file, which kvn does not read. Convert it to a .ts file with lconvert: lconvert -i %1 -o %2.ts</source>
        <translation>%1 este un fișier XLIFF, pe care kvn nu îl citește. Convertiți-l într-un fișier .ts cu lconvert: lconvert -i %1 -o %2.ts</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="37"/>
        <source>a value with a comma must be written in double quotes</source>
        <translation>o valoare care conține o virgulă trebuie scrisă între ghilimele duble</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="45"/>
        <source>not a boolean (true, false, 1 or 0)</source>
        <translation>nu este o valoare booleană (true, false, 1 sau 0)</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="49"/>
        <source>not a check state (0 unchecked, 1 partially checked, 2 checked)</source>
        <translation>nu este o stare de bifare (0 nebifat, 1 bifat parțial, 2 bifat)</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="63"/>
        <source>not a number</source>
        <translation>nu este un număr</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="77"/>
        <source>%1: %2=%3: %4.</source>
        <translation>%1: %2=%3: %4.</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="92"/>
        <source>the key belongs in the group [MainWindow]</source>
        <translation>cheia aparține grupului [MainWindow]</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="94"/>
        <source>the key belongs outside the group [MainWindow]</source>
        <translation>cheia nu aparține grupului [MainWindow]</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="97"/>
        <location filename="../run/options.cpp" line="233"/>
        <source>unknown key</source>
        <translation>cheie necunoscută</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="113"/>
        <source>unknown check or group &apos;%1&apos; (kvn checks lists them)</source>
        <translation>verificare sau grup necunoscut &apos;%1&apos; (kvn checks le listează)</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="123"/>
        <source>the list of checks is empty</source>
        <translation>lista de verificări este goală</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="160"/>
        <source>check %1 always runs and cannot be switched off</source>
        <translation>verificarea %1 rulează mereu și nu poate fi oprită</translation>
    </message>
    <message>
        <location filename="../run/baseline.cpp" line="124"/>
        <location filename="../run/options.cpp" line="179"/>
        <source>%1: the file cannot be read.</source>
        <translation>%1: fișierul nu poate fi citit.</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="185"/>
        <source>%1: the file is not in INI format.</source>
        <translation>%1: fișierul nu este în format INI.</translation>
    </message>
    <message>
        <location filename="../run/options.cpp" line="215"/>
        <source>unknown profile &apos;%1&apos; (built-in profiles: %2; or a FILE.ini)</source>
        <translation>profil necunoscut &apos;%1&apos; (profiluri încorporate: %2; sau un FIȘIER.ini)</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="73"/>
        <source>kvn: a path is missing.</source>
        <translation>kvn: lipsește o cale.</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="74"/>
        <source>kvn: expected %1 path, got %2.</source>
        <translation>kvn: se aștepta %1 cale, s-au primit %2.</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="222"/>
        <source>kvn: unknown format &apos;%1&apos; (%2).</source>
        <translation>kvn: format necunoscut &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="441"/>
        <source>kvn: unknown format &apos;%1&apos; (text or json).</source>
        <translation>kvn: format necunoscut &apos;%1&apos; (text sau json).</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="227"/>
        <source>kvn: unknown split mode &apos;%1&apos; (none, file or language).</source>
        <translation>kvn: mod de împărțire necunoscut &apos;%1&apos; (none, file sau language).</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="48"/>
        <source>kvn: --jobs needs a positive number, not &apos;%1&apos;.</source>
        <translation>kvn: --jobs are nevoie de un număr pozitiv, nu &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="234"/>
        <source>kvn: unknown tab &apos;%1&apos;. Tabs: %2</source>
        <translation>kvn: filă necunoscută &apos;%1&apos;. File: %2</translation>
    </message>
    <message>
        <location filename="../cli/checkcommand.cpp" line="260"/>
        <source>kvn: --file-name needs a directory.</source>
        <translation>kvn: --file-name necesită un director.</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="143"/>
        <source>kvn: a command is missing.</source>
        <translation>kvn: lipsește o comandă.</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="145"/>
        <source>kvn: unknown command &apos;%1&apos;.</source>
        <translation>kvn: comandă necunoscută &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../run/baseline.cpp" line="112"/>
        <source>%1: the baseline cannot be written (%2).</source>
        <translation>%1: linia de bază nu poate fi scrisă (%2).</translation>
    </message>
    <message>
        <location filename="../run/baseline.cpp" line="129"/>
        <source>%1: not a kvn baseline (its first line is not &quot;%2&quot;).</source>
        <translation>%1: nu este o linie de bază kvn (prima sa linie nu este &quot;%2&quot;).</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="45"/>
        <source>the message it differs from</source>
        <translation>mesajul de care diferă</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="147"/>
        <source>%1 findings (%2 errors, %3 warnings) in %4 files</source>
        <translation>%1 constatări (%2 erori, %3 avertismente) în %4 fișiere</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="154"/>
        <source>; %1 silenced by kvn-ignore comments</source>
        <translation>; %1 suprimate prin comentarii kvn-ignore</translation>
    </message>
    <message>
        <location filename="../report/findingswriter.cpp" line="161"/>
        <source>%1 findings silenced by kvn-ignore comments</source>
        <translation>%1 constatări suprimate prin comentarii kvn-ignore</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <location filename="../input/fileproblems.h" line="56"/>
        <source>Too many problems in %1. Further problems of this file are not reported.</source>
        <translation>Prea multe probleme în %1. Alte probleme ale acestui fișier nu mai sunt raportate.</translation>
    </message>
    <message>
        <location filename="../input/fileproblems.h" line="80"/>
        <source>Line %1 in %2</source>
        <translation>Linia %1 din %2</translation>
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
        <translation>S-au găsit caractere nevalide pentru codificarea %1. Acestea sunt înlocuite.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="138"/>
        <source>NUL characters found. They are replaced.</source>
        <translation>S-au găsit caractere NUL. Acestea sunt înlocuite.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="148"/>
        <source>!wholeCurrentString.isEmpty()</source>
        <translation>!wholeCurrentString.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="223"/>
        <source>Unknown line.</source>
        <translation>Linie necunoscută.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="246"/>
        <source>Unknown flag &apos;%1&apos;.</source>
        <translation>Indicator necunoscut &apos;%1&apos;.</translation>
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
        <translation>&apos;msgidFound&apos; găsit</translation>
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
        <translation>&apos;msgstrFound&apos; găsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="281"/>
        <location filename="../input/poreader.cpp" line="308"/>
        <location filename="../input/poreader.cpp" line="466"/>
        <location filename="../input/poreader.cpp" line="473"/>
        <location filename="../input/poreader.cpp" line="671"/>
        <source>&apos;msgid_pluralFound&apos; found</source>
        <translation>&apos;msgid_pluralFound&apos; găsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="293"/>
        <source>Unknown escape sequence %1.</source>
        <translation>Secvență de escape necunoscută %1.</translation>
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
        <translation>&apos;msgidFound&apos; negăsit</translation>
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
        <translation>&apos;msgctxtFound&apos; găsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="375"/>
        <source>Second empty line found.</source>
        <translation>A fost găsită a doua linie goală.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="389"/>
        <location filename="../input/poreader.cpp" line="478"/>
        <location filename="../input/poreader.cpp" line="663"/>
        <source>&apos;msgstrFound&apos; not found</source>
        <translation>&apos;msgstrFound&apos; negăsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="411"/>
        <source>&apos;msgid_pluralFound&apos; not found</source>
        <translation>&apos;msgid_pluralFound&apos; negăsit</translation>
    </message>
    <message>
        <location filename="../input/fileproblems.h" line="34"/>
        <source>Wrong number of plurals (%1 != %2).</source>
        <translation>Număr greșit de forme de plural (%1 != %2).</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="458"/>
        <source>Information: This .po file has not been translated earlier</source>
        <translation>Informație: Acest fișier .po nu a fost tradus anterior</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="455"/>
        <source>#, is not supported yet</source>
        <translation>#, nu este încă acceptat</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="462"/>
        <source>&apos;msgctxt&apos; found</source>
        <translation>&apos;msgctxt&apos; găsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="485"/>
        <source>Space after comment character # not found</source>
        <translation>Spațiul după caracterul de comentariu # nu a fost găsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="487"/>
        <source>&apos;Unknown line</source>
        <translation>Linie necunoscută</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="531"/>
        <source>&apos;nplurals&apos; not found</source>
        <translation>&apos;nplurals&apos; negăsit</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="543"/>
        <source>&apos;nplurals&apos; is mot a number.</source>
        <translation>&apos;nplurals&apos; nu este un număr.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="558"/>
        <source>&apos;nplurals&apos; is %1 while &apos;maxNumerusTranslation&apos; is %2. Language not supported?</source>
        <translation>&apos;nplurals&apos; este %1, în timp ce &apos;maxNumerusTranslation&apos; este %2. Limbă neacceptată?</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="563"/>
        <source>&apos;nplurals&apos; is %1 while &apos;maxNumerusTranslation&apos; is %2. Looks like an incorrect .po file.</source>
        <translation>&apos;nplurals&apos; este %1, în timp ce &apos;maxNumerusTranslation&apos; este %2. Pare a fi un fișier .po incorect.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="576"/>
        <source>The charset %1 is not supported. The file was read as UTF-8.</source>
        <translation>Setul de caractere %1 nu este acceptat. Fișierul a fost citit ca UTF-8.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="649"/>
        <source>The file has no header: its first entry has a message id. The entry is checked as a message.</source>
        <translation>Fișierul nu are antet: prima sa intrare are un identificator de mesaj. Intrarea este verificată ca mesaj.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="657"/>
        <source>The file is empty.</source>
        <translation>Fișierul este gol.</translation>
    </message>
    <message>
        <location filename="../input/poreader.cpp" line="673"/>
        <source>!translationList.isEmpty()</source>
        <translation>!translationList.isEmpty()</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="20"/>
        <source>Could not open file. It is not existing or in use.</source>
        <translation>Fișierul nu a putut fi deschis. Nu există sau este în uz.</translation>
    </message>
    <message>
        <location filename="../checks/results.cpp" line="121"/>
        <source>%1:%2: kvn-ignore names no check: %3</source>
        <translation>%1:%2: kvn-ignore numește ceva ce nu este o verificare: %3</translation>
    </message>
    <message>
        <location filename="../checks/results.cpp" line="134"/>
        <source>Please report this error to Oskerbay! I want to improve KVN.</source>
        <translation>Vă rugăm să raportați această eroare către Oskerbay! Vreau să îmbunătățesc KVN.</translation>
    </message>
    <message>
        <location filename="../checks/results.cpp" line="165"/>
        <source>Too many findings of check %1 in one text. Its further findings in this text are not reported.</source>
        <translation>Prea multe constatări ale verificării %1 într-un text. Alte constatări ale acesteia în acest text nu mai sunt raportate.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="121"/>
        <source>Unknown tag %1.</source>
        <translation>Etichetă necunoscută %1.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="156"/>
        <source>Second &apos;TS&apos; found.</source>
        <translation>A fost găsit un al doilea &apos;TS&apos;.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="165"/>
        <source>There are length variants in this file. Import not complete, since this feature is not included yet.</source>
        <translation>Acest fișier conține variante de lungime. Importul nu este complet, deoarece această funcție nu este încă inclusă.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="175"/>
        <source>Error while reading the file.</source>
        <translation>Eroare la citirea fișierului.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="202"/>
        <source>Second &apos;source&apos; found.</source>
        <translation>A fost găsit un al doilea &apos;source&apos;.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="225"/>
        <source>Missing or invalid &apos;line&apos; attribute.</source>
        <translation>Atributul &apos;line&apos; lipsește sau nu este valid.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="238"/>
        <source>Second &apos;translation&apos; found.</source>
        <translation>A fost găsit un al doilea &apos;translation&apos;.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="267"/>
        <source>Numerus in the translation found, even the message is not a numerus.</source>
        <translation>S-a găsit o formă de plural în traducere, deși mesajul nu are forme de plural.</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="278"/>
        <source>Numerus in the source not found, even the message is a numerus. Line %1</source>
        <translation>Nu s-a găsit forma de plural în sursă, deși mesajul are forme de plural. Linia %1</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="284"/>
        <source>Location of the numerus in the source unclear, since there is not exact one opening brace. Line %1</source>
        <translation>Poziția formei de plural în sursă este neclară, deoarece nu există exact o paranteză de deschidere. Linia %1</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="290"/>
        <source>Location of the numerus in the source unclear, since there is not exact one closing brace. Line %1</source>
        <translation>Poziția formei de plural în sursă este neclară, deoarece nu există exact o paranteză de închidere. Linia %1</translation>
    </message>
    <message>
        <location filename="../input/tsreader.cpp" line="321"/>
        <source>Numerus in translation not found, even the message is a numerus.</source>
        <translation>Nu s-a găsit forma de plural în traducere, deși mesajul are forme de plural.</translation>
    </message>
    <message>
        <location filename="../checks/brackets.cpp" line="50"/>
        <source>%1 is not opened before position %2.</source>
        <translation>%1 nu este deschis înainte de poziția %2.</translation>
    </message>
    <message>
        <location filename="../checks/brackets.cpp" line="55"/>
        <source>Missing %1 at position %2.</source>
        <translation>Lipsește %1 la poziția %2.</translation>
    </message>
    <message>
        <location filename="../checks/brackets.cpp" line="62"/>
        <source>%1 is not closed.</source>
        <translation>%1 nu este închis.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="40"/>
        <source>Please report it to me (%1), so i will improve the check.</source>
        <translation>Vă rog să mi-l raportați (%1), ca să pot îmbunătăți verificarea.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="47"/>
        <source>You are using character %1.</source>
        <translation>Folosiți caracterul %1.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="61"/>
        <source>You are using a non-supported printable character (unicode=%1).</source>
        <translation>Folosiți un caracter imprimabil neacceptat (unicode=%1).</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="72"/>
        <source>You are using a non-supported unprintable character (unicode=%1).</source>
        <translation>Folosiți un caracter neimprimabil neacceptat (unicode=%1).</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="107"/>
        <source>This character isn&apos;t supported in the parentheses check yet.</source>
        <translation>Acest caracter nu este încă acceptat în verificarea parantezelor.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="110"/>
        <source>This character isn&apos;t supported in the compare numbers check yet.</source>
        <translation>Acest caracter nu este încă acceptat în verificarea de comparare a numerelor.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="114"/>
        <source>Local characters: %1</source>
        <translation>Caractere locale: %1</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="116"/>
        <source>Latin characters: %1</source>
        <translation>Caractere latine: %1</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="118"/>
        <source>Common characters: %1</source>
        <translation>Caractere comune: %1</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="120"/>
        <source>Inherited characters: %1</source>
        <translation>Caractere moștenite: %1</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="122"/>
        <source>Please report that you are using other characters! I want to improve the check.</source>
        <translation>Vă rog să raportați că folosiți alte caractere! Vreau să îmbunătățesc verificarea.</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="125"/>
        <source>Other characters: %1</source>
        <translation>Alte caractere: %1</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="150"/>
        <source>Used characters in the source:</source>
        <translation>Caractere folosite în sursă:</translation>
    </message>
    <message>
        <location filename="../checks/characters.cpp" line="153"/>
        <source>Used characters in the translation:</source>
        <translation>Caractere folosite în traducere:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="523"/>
        <source>Source to translation ratio is %1:</source>
        <translation>Raportul dintre sursă și traducere este %1:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="546"/>
        <source>Different control keys included in source and translation:</source>
        <translation>Caractere de control diferite în sursă și în traducere:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="550"/>
        <source>There are %1 tabulations in the source but %2 tabulations in the translation:</source>
        <translation>Sursa conține %1 tabulatori, dar traducerea conține %2 tabulatori:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="557"/>
        <source>There are %1 line feed characters in the source but %2 line feed characters in the translation:</source>
        <translation>Sursa conține %1 caractere de salt de linie, dar traducerea conține %2 caractere de salt de linie:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="660"/>
        <source>Counting character %1. It is %2 times in the source but %3 times in the translation.</source>
        <translation>Numărarea caracterului %1. Apare de %2 ori în sursă, dar de %3 ori în traducere.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="686"/>
        <source>Missing numbers in the translation:</source>
        <translation>Numere lipsă în traducere:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="687"/>
        <source>Missing numbers in the source:</source>
        <translation>Numere lipsă în sursă:</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="759"/>
        <source>Counting number %1. It is %2 times in source but %3 times in translation.</source>
        <translation>Numărarea numărului %1. Apare de %2 ori în sursă, dar de %3 ori în traducere.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="792"/>
        <source>Counting number %1. It is %2 times in source but %3 times in translation</source>
        <translation>Numărarea numărului %1. Apare de %2 ori în sursă, dar de %3 ori în traducere</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="913"/>
        <source>Counting email %1. It is %2 times in source but %3 times in translation.</source>
        <translation>Numărarea adresei de e-mail %1. Apare de %2 ori în sursă, dar de %3 ori în traducere.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="916"/>
        <source>Counting URI %1. It is %2 times in source but %3 times in translation.</source>
        <translation>Numărarea URI-ului %1. Apare de %2 ori în sursă, dar de %3 ori în traducere.</translation>
    </message>
    <message>
        <location filename="../checks/comparison.cpp" line="919"/>
        <source>Counting tag %1. It is %2 times in source but %3 times in translation.</source>
        <translation>Numărarea etichetei %1. Apare de %2 ori în sursă, dar de %3 ori în traducere.</translation>
    </message>
    <message>
        <location filename="../checks/doubles.cpp" line="121"/>
        <source>Double character %1 at position %2:</source>
        <translation>Caracter dublu %1 la poziția %2:</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="261"/>
        <source>Missing language in file %1.</source>
        <translation>Lipsește limba în fișierul %1.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="263"/>
        <source>Reading multible files with different languages. (%1 != %2). File %3.</source>
        <translation>Se citesc mai multe fișiere cu limbi diferite. (%1 != %2). Fișierul %3.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="269"/>
        <source>Languarges are too different. Some checks will fail.</source>
        <translation>Limbile sunt prea diferite. Unele verificări vor eșua.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="275"/>
        <source>Missing language in file %1. Set to &apos;---KVN UNKNOWN---&apos;.</source>
        <translation>Lipsește limba în fișierul %1. Setată la &apos;---KVN UNKNOWN---&apos;.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="277"/>
        <source>Some checks will fail, because the language in unknown in %1.</source>
        <translation>Unele verificări vor eșua, deoarece limba din %1 este necunoscută.</translation>
    </message>
    <message>
        <location filename="../checks/language.cpp" line="291"/>
        <source>Unknown rules for %1. Please contact Oskerbay.</source>
        <translation>Reguli necunoscute pentru %1. Vă rugăm să contactați Oskerbay.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="269"/>
        <source>Missing tag name diretly after character /.</source>
        <translation>Lipsește numele etichetei imediat după caracterul /.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="275"/>
        <source>%1 is an empty element and can&apos;t start with /. It can only end with /.</source>
        <translation>%1 este un element gol și nu poate începe cu /. Se poate doar termina cu /.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="297"/>
        <source>&lt;%1&gt; is not opened before position %2.</source>
        <translation>&lt;%1&gt; nu este deschis înainte de poziția %2.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="302"/>
        <source>Missing &lt;%1&gt; at position %2.</source>
        <translation>Lipsește &lt;%1&gt; la poziția %2.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="361"/>
        <source>Second opening brace found, but the previous isn&apos;t closed.</source>
        <translation>A fost găsită a doua paranteză de deschidere, dar cea anterioară nu este închisă.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="362"/>
        <source>Second opening brace found, but tag &lt;%1&gt; is&apos;t closed.</source>
        <translation>A fost găsită a doua paranteză de deschidere, dar eticheta &lt;%1&gt; nu este închisă.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="428"/>
        <location filename="../checks/scanners.cpp" line="430"/>
        <source>&lt;%1&gt; is not closed.</source>
        <translation>&lt;%1&gt; nu este închis.</translation>
    </message>
    <message>
        <location filename="../checks/scanners.cpp" line="432"/>
        <source>Attributevalue in &lt;%1&gt; is not closed.</source>
        <translation>Valoarea atributului din &lt;%1&gt; nu este închisă.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="76"/>
        <source>Missing local part.</source>
        <translation>Lipsește partea locală.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="80"/>
        <source>Incorrect domain name.</source>
        <translation>Nume de domeniu incorect.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="84"/>
        <source>Too large local part.</source>
        <translation>Partea locală este prea lungă.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="88"/>
        <source>Double dot is not allowed.</source>
        <translation>Punctul dublu nu este permis.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="92"/>
        <source>Too many @ characters.</source>
        <translation>Prea multe caractere @.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="96"/>
        <source>Email starts with character &apos;.&apos;.</source>
        <translation>Adresa de e-mail începe cu caracterul &apos;.&apos;.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="100"/>
        <source>Not allowed character %1 in email %2.</source>
        <translation>Caracter nepermis %1 în adresa de e-mail %2.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="118"/>
        <source>Hyphen can&apos;t be the first character of a domain.</source>
        <translation>Cratima nu poate fi primul caracter al unui domeniu.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="122"/>
        <source>Hyphen can&apos;t be the last character of a domain.</source>
        <translation>Cratima nu poate fi ultimul caracter al unui domeniu.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="129"/>
        <source>Domain lable is too large.</source>
        <translation>Eticheta domeniului este prea lungă.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="138"/>
        <source>Numeric only domain name is not allowed.</source>
        <translation>Numele de domeniu doar numeric nu este permis.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="148"/>
        <source>Not allowed character %1 in URI %2.</source>
        <translation>Caracter nepermis %1 în URI-ul %2.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="169"/>
        <source>Tag name is empty. There is maybe a space before the tag name.</source>
        <translation>Numele etichetei este gol. Poate există un spațiu înaintea numelui etichetei.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="175"/>
        <location filename="../checks/validators.cpp" line="215"/>
        <source>%1 is not included in the Qt subset.</source>
        <translation>%1 nu este inclus în subsetul Qt.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="182"/>
        <source>Not allowed character %1 in name %2.</source>
        <translation>Caracter nepermis %1 în numele %2.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="195"/>
        <source>Missing equal signin attribute %1.</source>
        <translation>Lipsește semnul egal în atributul %1.</translation>
    </message>
    <message>
        <location filename="../checks/validators.cpp" line="204"/>
        <source>Not allowed character %1 in attribute %2.</source>
        <translation>Caracter nepermis %1 în atributul %2.</translation>
    </message>
    <message>
        <location filename="../checks/words.cpp" line="100"/>
        <source>Found duplicate word &apos;%1&apos; at position %2.</source>
        <translation>S-a găsit cuvântul dublat &apos;%1&apos; la poziția %2.</translation>
    </message>
    <message>
        <location filename="../input/walk.cpp" line="91"/>
        <source>Could not open directory. It is not existing or not readable.</source>
        <translation>Directorul nu a putut fi deschis. Nu există sau nu poate fi citit.</translation>
    </message>
    <message>
        <location filename="../input/walk.cpp" line="97"/>
        <source>The name %1 is not UTF-8; the file or directory was not read.</source>
        <translation>Numele %1 nu este UTF-8; fișierul sau directorul nu a fost citit.</translation>
    </message>
    <message>
        <location filename="../input/walk.cpp" line="40"/>
        <source>Skipped %1: not a Qt Linguist file.</source>
        <translation>%1 omis: nu este un fișier Qt Linguist.</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="410"/>
        <source>Different printf conversions. Source: %1 Translation: %2</source>
        <translation>Conversii printf diferite. Sursă: %1 Traducere: %2</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="434"/>
        <source>Placeholders missing in the translation: %1</source>
        <translation>Substituenți lipsă în traducere: %1</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="439"/>
        <source>Placeholders not in the source: %1</source>
        <translation>Substituenți care nu sunt în sursă: %1</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="450"/>
        <source>Malformed entities in the translation: %1</source>
        <translation>Entități greșite în traducere: %1</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="457"/>
        <source>The translation is a copy of the source:</source>
        <translation>Traducerea este o copie a sursei:</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="461"/>
        <source>The source has a &quot;_&quot; accelerator, the translation has none:</source>
        <translation>Sursa are un accelerator &quot;_&quot;, traducerea nu are niciunul:</translation>
    </message>
    <message>
        <location filename="../checks/placeholders.cpp" line="473"/>
        <source>The translation has %1 plural forms, the language has %2:</source>
        <translation>Traducerea are %1 forme de plural, limba are %2:</translation>
    </message>
    <message>
        <location filename="../input/fileaccess.cpp" line="45"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 nu este un fișier obișnuit.</translation>
    </message>
    <message>
        <location filename="../input/fileaccess.cpp" line="47"/>
        <source>%1 is larger than 2 GiB.</source>
        <translation>%1 este mai mare de 2 GiB.</translation>
    </message>
</context>
</TS>
