<TS>
    <message>
        <source>Keep together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B &amp; C</source>
        <translation type="unfinished"></translation>
    </message>
</TS>
