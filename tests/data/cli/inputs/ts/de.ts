<TS language="de"><context><name>c</name><message><source>Open</source><translation>Offnen</translation></message></context></TS>
