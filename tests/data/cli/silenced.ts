<TS language="de"><context><name>c</name><message><translatorcomment>kvn-ignore: T1</translatorcomment><source>s</source><translation></translation></message></context></TS>
