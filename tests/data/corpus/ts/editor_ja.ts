<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%2 のため %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Search the the document</source>
        <translation>ドキュメントを検索</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>すべて置換</translation>
    </message>
    <message>
        <source> Line %1, column %2</source>
        <translation> %1 行、%2 列</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Version 2.0 (%1)</source>
        <translation>バージョン 2.1 (%1)</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message numerus="yes">
        <source>%n match(es) found</source>
        <translation>
            <numerusform>%n 件見つかりました</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;Not found&lt;/b&gt;</source>
        <translation>&lt;b&gt;見つかりません&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="obsolete">閉じる</translation>
    </message>
</context>
</TS>
