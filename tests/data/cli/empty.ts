<TS language="de"><context><name>c</name><message><source>s</source><translation></translation></message></context></TS>
