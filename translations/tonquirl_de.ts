<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Anzeigen</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>StayAwake</name>
    <message>
        <source>1 Datei wird umgewandelt</source>
        <translation>1 Datei wird umgewandelt</translation>
    </message>
    <message>
        <source>%1 Dateien werden umgewandelt</source>
        <translation>%1 Dateien werden umgewandelt</translation>
    </message>
</context>
<context>
    <name>tonquirl</name>
    <message>
        <source>tonquirl 1.5</source>
        <translation>tonquirl 1.5</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;tonquirl 1.5&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;by the tonquirl developers&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;tonquirl.example.org&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;img src=&quot;:/pics/zemblo.jpg&quot; /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;tonquirl 1.5&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;by the tonquirl developers&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;tonquirl.example.org&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;img src=&quot;:/pics/zemblo.jpg&quot; /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>flv -&gt; wav</source>
        <translation>flv -&gt; wav</translation>
    </message>
    <message>
        <source>List of files</source>
        <translation>Liste der Dateien</translation>
    </message>
    <message>
        <source>Folder the files are opened from</source>
        <translation>Ordner, aus dem die Dateien geöffnet werden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Folder the results are saved in</source>
        <translation>Ordner, in dem die Ergebnisse gespeichert werden</translation>
    </message>
    <message>
        <source>Get Wave</source>
        <translation>Wave holen</translation>
    </message>
    <message>
        <source>Progress of the running file</source>
        <translation>Fortschritt der laufenden Datei</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normalisieren</translation>
    </message>
    <message>
        <source>Normalize Audio</source>
        <translation>Normalisieren</translation>
    </message>
    <message>
        <source>wav -&gt; mp3</source>
        <translation>wav -&gt; mp3</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>256k (CD-Quality)</source>
        <translation>256k (wie CD)</translation>
    </message>
    <message>
        <source>192k (Middle Quality)</source>
        <translation>192k (mittel)</translation>
    </message>
    <message>
        <source>128k (Low Quality)</source>
        <translation>128k (niedrig)</translation>
    </message>
    <message>
        <source>File-name format of the ID3 tags</source>
        <translation>Dateinamen-Format der ID3-Tags</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;N = Track-Nummer&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;A = Artist&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;T = Titel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;N = Titelnummer&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;A = Interpret&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;T = Titel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>File-Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>ID3-Tags</source>
        <translation>ID3-Tags</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Kodieren</translation>
    </message>
    <message>
        <source>mp3 -&gt; wav</source>
        <translation>mp3 -&gt; wav</translation>
    </message>
    <message>
        <source>Back to Wave</source>
        <translation>Nach Wave</translation>
    </message>
    <message>
        <source>Save in Folder</source>
        <translation>In Ordner speichern</translation>
    </message>
    <message>
        <source>Name ist kein UTF-8, bitte die Datei umbenennen</source>
        <translation>Name ist kein UTF-8, bitte die Datei umbenennen</translation>
    </message>
    <message>
        <source>keine flv-, wav- oder mp3-Datei</source>
        <translation>keine flv-, wav- oder mp3-Datei</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>anderer Ordner als die übrigen</source>
        <translation>anderer Ordner als die übrigen</translation>
    </message>
    <message>
        <source>Seite abgeschaltet</source>
        <translation>Seite abgeschaltet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nicht aufgenommen:&lt;/b&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Nicht aufgenommen:&lt;/b&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Erstellung der wav-Dateien abgeschlossen!</source>
        <translation>Erstellung der wav-Dateien abgeschlossen!</translation>
    </message>
    <message>
        <source>Normalisierung abgeschlossen!</source>
        <translation>Normalisierung abgeschlossen!</translation>
    </message>
    <message>
        <source>Konvertierung beendet!</source>
        <translation>Konvertierung beendet!</translation>
    </message>
    <message>
        <source>Dekodierung abgeschlossen!</source>
        <translation>Dekodierung abgeschlossen!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: lame nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt ffmpeg und lame.&lt;br&gt;Bitte installieren Sie die Anwendungen.&lt;br&gt;Das Programm wird geschlossen.</source>
        <translation>&lt;b&gt;Fehler: lame nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt ffmpeg und lame.&lt;br&gt;Bitte installieren Sie die Anwendungen.&lt;br&gt;Das Programm wird geschlossen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt ffmpeg zum extrahieren&lt;br&gt;der Audiospur aus Flash-Filmen.&lt;br&gt;Diese Funktion wird nicht zur Verfügung stehen.&lt;br&gt;Bitte installieren Sie das Paket ffmpeg.</source>
        <translation>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt ffmpeg zum extrahieren&lt;br&gt;der Audiospur aus Flash-Filmen.&lt;br&gt;Diese Funktion wird nicht zur Verfügung stehen.&lt;br&gt;Bitte installieren Sie das Paket ffmpeg.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: normalize-audio nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt normalize-audio für die&lt;br&gt;automatische Anpassung (normalisieren) der Lautstärke.&lt;br&gt;Diese Funktion wird nicht zur Verfügung stehen.&lt;br&gt;Bitte installieren Sie das Paket normalize-audio.</source>
        <translation>&lt;b&gt;Fehler: normalize-audio nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt normalize-audio für die&lt;br&gt;automatische Anpassung (normalisieren) der Lautstärke.&lt;br&gt;Diese Funktion wird nicht zur Verfügung stehen.&lt;br&gt;Bitte installieren Sie das Paket normalize-audio.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Datei(en) öffnen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Wave-Audio (*.wav);;All Files(*.*)</source>
        <translation>Wave-Audio (*.wav);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>flash-video (*.flv);;All Files(*.*)</source>
        <translation>Flash-Video (*.flv);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>mp3-Files (*.mp3);;All Files(*.*)</source>
        <translation>mp3-Dateien (*.mp3);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>noch wenige Sekunden</source>
        <translation>noch wenige Sekunden</translation>
    </message>
    <message>
        <source>noch etwa %1 Sekunden</source>
        <translation>noch etwa %1 Sekunden</translation>
    </message>
    <message>
        <source>noch etwa eine Minute</source>
        <translation>noch etwa eine Minute</translation>
    </message>
    <message>
        <source>noch etwa %1 Minuten</source>
        <translation>noch etwa %1 Minuten</translation>
    </message>
    <message>
        <source>noch etwa %1 Stunden</source>
        <translation>noch etwa %1 Stunden</translation>
    </message>
    <message>
        <source>Datei %1 von %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
    <message>
        <source>Die Eingabedatei wurde nicht gefunden.</source>
        <translation>Die Eingabedatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Die Eingabedatei kann nicht gelesen werden.</source>
        <translation>Die Eingabedatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Die Eingabedatei ist keine WAV- oder AIFF-Datei mit Tondaten; lame würde sie als Rauschen kodieren.</source>
        <translation>Die Eingabedatei ist keine WAV- oder AIFF-Datei mit Tondaten; lame würde sie als Rauschen kodieren.</translation>
    </message>
    <message>
        <source>Die WAV-Datei hat keine Tondaten oder gibt ihre Länge nicht an; normalize-audio käme damit nie zu Ende.</source>
        <translation>Die WAV-Datei hat keine Tondaten oder gibt ihre Länge nicht an; normalize-audio käme damit nie zu Ende.</translation>
    </message>
    <message>
        <source>Die Ausgabe würde „%1“ überschreiben, das Ergebnis einer früheren Datei.</source>
        <translation>Die Ausgabe würde „%1“ überschreiben, das Ergebnis einer früheren Datei.</translation>
    </message>
    <message>
        <source>Die Ausgabe würde „%1“ überschreiben, die auf der Seite „%2“ aufgeführt ist.</source>
        <translation>Die Ausgabe würde „%1“ überschreiben, die auf der Seite „%2“ aufgeführt ist.</translation>
    </message>
    <message>
        <source>Den Zielordner gibt es nicht.</source>
        <translation>Den Zielordner gibt es nicht.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>In den Zielordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>%1 ist nicht installiert oder nicht im Suchpfad (PATH).</source>
        <translation>%1 ist nicht installiert oder nicht im Suchpfad (PATH).</translation>
    </message>
    <message>
        <source>%1 im Suchpfad (PATH) ist kein ausführbares Programm.</source>
        <translation>%1 im Suchpfad (PATH) ist kein ausführbares Programm.</translation>
    </message>
    <message>
        <source>%1 endete mit dem Fehlercode %2.</source>
        <translation>%1 endete mit dem Fehlercode %2.</translation>
    </message>
    <message>
        <source>%1 ist abgestürzt (%2).</source>
        <translation>%1 ist abgestürzt (%2).</translation>
    </message>
    <message>
        <source>%1 meldete einen Fehler, obwohl es mit Code 0 endete.</source>
        <translation>%1 meldete einen Fehler, obwohl es mit Code 0 endete.</translation>
    </message>
    <message>
        <source>Die Ausgabe enthält keinen Ton.</source>
        <translation>Die Ausgabe enthält keinen Ton.</translation>
    </message>
    <message>
        <source>Die Ausgabe ist unvollständig: sie enthält weniger, als ihr Kopf angibt.</source>
        <translation>Die Ausgabe ist unvollständig: sie enthält weniger, als ihr Kopf angibt.</translation>
    </message>
    <message>
        <source>Die neu geschriebene Datei war unvollständig; das Original ist wiederhergestellt.</source>
        <translation>Die neu geschriebene Datei war unvollständig; das Original ist wiederhergestellt.</translation>
    </message>
    <message>
        <source>Die neu geschriebene Datei ist unvollständig; der Ordner hält keine Kopie des Originals.</source>
        <translation>Die neu geschriebene Datei ist unvollständig; der Ordner hält keine Kopie des Originals.</translation>
    </message>
    <message>
        <source>Mit „Stop“ angehalten.</source>
        <translation>Mit „Stop“ angehalten.</translation>
    </message>
    <message>
        <source>Mit „Stop“ angehalten; %1 lief nach 3 Sekunden noch und wurde beendet.</source>
        <translation>Mit „Stop“ angehalten; %1 lief nach 3 Sekunden noch und wurde beendet.</translation>
    </message>
    <message>
        <source>Nicht bearbeitet: der Durchgang wurde vorher angehalten.</source>
        <translation>Nicht bearbeitet: der Durchgang wurde vorher angehalten.</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien ist fehlgeschlagen (FAIL!)</source>
        <translation>%1 von %2 Dateien ist fehlgeschlagen (FAIL!)</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien sind fehlgeschlagen (FAIL!)</source>
        <translation>%1 von %2 Dateien sind fehlgeschlagen (FAIL!)</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Alles auswählen</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>und %1 weitere</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Der Name passt nicht zum Muster „%1“: alles wird Titel.</source>
        <translation>Der Name passt nicht zum Muster „%1“: alles wird Titel.</translation>
    </message>
    <message>
        <source>Die Eingabe ist beschädigt oder unvollständig.</source>
        <translation>Die Eingabe ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>Die Eingabe ist beschädigt oder unvollständig: %1 s von %2 s umgewandelt.</source>
        <translation>Die Eingabe ist beschädigt oder unvollständig: %1 s von %2 s umgewandelt.</translation>
    </message>
    <message>
        <source>Die Datei ist stumm und bleibt, wie sie ist.</source>
        <translation>Die Datei ist stumm und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Übersprungen: „%1“ gibt es schon im Zielordner.</source>
        <translation>Übersprungen: „%1“ gibt es schon im Zielordner.</translation>
    </message>
    <message>
        <source>1 Datei mit Warnung</source>
        <translation>1 Datei mit Warnung</translation>
    </message>
    <message>
        <source>%1 Dateien mit Warnung</source>
        <translation>%1 Dateien mit Warnung</translation>
    </message>
    <message>
        <source>%1 mit Warnung</source>
        <translation>%1 mit Warnung</translation>
    </message>
    <message>
        <source>„%1“ gibt es schon im Zielordner.</source>
        <translation>„%1“ gibt es schon im Zielordner.</translation>
    </message>
    <message>
        <source>%1 Dateien gibt es schon im Zielordner:</source>
        <translation>%1 Dateien gibt es schon im Zielordner:</translation>
    </message>
    <message>
        <source>Soll sie ersetzt werden?</source>
        <translation>Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Sollen sie ersetzt werden?</source>
        <translation>Sollen sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Überspringen</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Der Datenträger meldete einen Fehler, als die Datei gesichert wurde; das Original ist wiederhergestellt.</source>
        <translation>Der Datenträger meldete einen Fehler, als die Datei gesichert wurde; das Original ist wiederhergestellt.</translation>
    </message>
    <message>
        <source>Der Datenträger meldete einen Fehler, als das Ergebnis gesichert wurde.</source>
        <translation>Der Datenträger meldete einen Fehler, als das Ergebnis gesichert wurde.</translation>
    </message>
</context>
</TS>
