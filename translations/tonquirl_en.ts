<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Anzeigen</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>StayAwake</name>
    <message>
        <source>1 Datei wird umgewandelt</source>
        <translation>1 file is being converted</translation>
    </message>
    <message>
        <source>%1 Dateien werden umgewandelt</source>
        <translation>%1 files are being converted</translation>
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
        <translation>List of files</translation>
    </message>
    <message>
        <source>Folder the files are opened from</source>
        <translation>Folder the files are opened from</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Folder the results are saved in</source>
        <translation>Folder the results are saved in</translation>
    </message>
    <message>
        <source>Get Wave</source>
        <translation>Get Wave</translation>
    </message>
    <message>
        <source>Progress of the running file</source>
        <translation>Progress of the running file</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>Normalize</translation>
    </message>
    <message>
        <source>Normalize Audio</source>
        <translation>Normalize Audio</translation>
    </message>
    <message>
        <source>wav -&gt; mp3</source>
        <translation>wav -&gt; mp3</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>256k (CD-Quality)</source>
        <translation>256k (CD-Quality)</translation>
    </message>
    <message>
        <source>192k (Middle Quality)</source>
        <translation>192k (Middle Quality)</translation>
    </message>
    <message>
        <source>128k (Low Quality)</source>
        <translation>128k (Low Quality)</translation>
    </message>
    <message>
        <source>File-name format of the ID3 tags</source>
        <translation>File-name format of the ID3 tags</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;N = track number&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;A = artist&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;T = title&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>File-Format</source>
        <translation>File-Format</translation>
    </message>
    <message>
        <source>ID3-Tags</source>
        <translation>ID3-Tags</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>mp3 -&gt; wav</source>
        <translation>mp3 -&gt; wav</translation>
    </message>
    <message>
        <source>Back to Wave</source>
        <translation>Back to Wave</translation>
    </message>
    <message>
        <source>Save in Folder</source>
        <translation>Save in Folder</translation>
    </message>
    <message>
        <source>Name ist kein UTF-8, bitte die Datei umbenennen</source>
        <translation>the name is not UTF-8, please rename the file</translation>
    </message>
    <message>
        <source>keine flv-, wav- oder mp3-Datei</source>
        <translation>not an flv, wav or mp3 file</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>anderer Ordner als die übrigen</source>
        <translation>another folder than the others</translation>
    </message>
    <message>
        <source>Seite abgeschaltet</source>
        <translation>page switched off</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nicht aufgenommen:&lt;/b&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Not listed:&lt;/b&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Erstellung der wav-Dateien abgeschlossen!</source>
        <translation>The wav files are made!</translation>
    </message>
    <message>
        <source>Normalisierung abgeschlossen!</source>
        <translation>Normalization complete!</translation>
    </message>
    <message>
        <source>Konvertierung beendet!</source>
        <translation>Conversion finished!</translation>
    </message>
    <message>
        <source>Dekodierung abgeschlossen!</source>
        <translation>Decoding complete!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: lame nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt ffmpeg und lame.&lt;br&gt;Bitte installieren Sie die Anwendungen.&lt;br&gt;Das Programm wird geschlossen.</source>
        <translation>&lt;b&gt;Error: lame not found!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl needs ffmpeg and lame.&lt;br&gt;Please install these programs.&lt;br&gt;The program will close.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt ffmpeg zum extrahieren&lt;br&gt;der Audiospur aus Flash-Filmen.&lt;br&gt;Diese Funktion wird nicht zur Verfügung stehen.&lt;br&gt;Bitte installieren Sie das Paket ffmpeg.</source>
        <translation>&lt;b&gt;Error: ffmpeg not found!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl needs ffmpeg to extract&lt;br&gt;the sound track from Flash videos.&lt;br&gt;This function will not be available.&lt;br&gt;Please install the package ffmpeg.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: normalize-audio nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl benötigt normalize-audio für die&lt;br&gt;automatische Anpassung (normalisieren) der Lautstärke.&lt;br&gt;Diese Funktion wird nicht zur Verfügung stehen.&lt;br&gt;Bitte installieren Sie das Paket normalize-audio.</source>
        <translation>&lt;b&gt;Error: normalize-audio not found!&lt;/b&gt;&lt;br&gt;&lt;br&gt;tonquirl needs normalize-audio to adjust&lt;br&gt;(normalize) the loudness automatically.&lt;br&gt;This function will not be available.&lt;br&gt;Please install the package normalize-audio.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Open File(s)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Wave-Audio (*.wav);;All Files(*.*)</source>
        <translation>Wave-Audio (*.wav);;All Files(*.*)</translation>
    </message>
    <message>
        <source>flash-video (*.flv);;All Files(*.*)</source>
        <translation>flash-video (*.flv);;All Files(*.*)</translation>
    </message>
    <message>
        <source>mp3-Files (*.mp3);;All Files(*.*)</source>
        <translation>mp3-Files (*.mp3);;All Files(*.*)</translation>
    </message>
    <message>
        <source>noch wenige Sekunden</source>
        <translation>a few seconds left</translation>
    </message>
    <message>
        <source>noch etwa %1 Sekunden</source>
        <translation>about %1 seconds left</translation>
    </message>
    <message>
        <source>noch etwa eine Minute</source>
        <translation>about a minute left</translation>
    </message>
    <message>
        <source>noch etwa %1 Minuten</source>
        <translation>about %1 minutes left</translation>
    </message>
    <message>
        <source>noch etwa %1 Stunden</source>
        <translation>about %1 hours left</translation>
    </message>
    <message>
        <source>Datei %1 von %2</source>
        <translation>File %1 of %2</translation>
    </message>
    <message>
        <source>Die Eingabedatei wurde nicht gefunden.</source>
        <translation>The input file was not found.</translation>
    </message>
    <message>
        <source>Die Eingabedatei kann nicht gelesen werden.</source>
        <translation>The input file cannot be read.</translation>
    </message>
    <message>
        <source>Die Eingabedatei ist keine WAV- oder AIFF-Datei mit Tondaten; lame würde sie als Rauschen kodieren.</source>
        <translation>The input file is no WAV or AIFF file with sound in it; lame would encode it as noise.</translation>
    </message>
    <message>
        <source>Die WAV-Datei hat keine Tondaten oder gibt ihre Länge nicht an; normalize-audio käme damit nie zu Ende.</source>
        <translation>The WAV file has no sound in it or does not state its length; normalize-audio would never finish it.</translation>
    </message>
    <message>
        <source>Die Ausgabe würde „%1“ überschreiben, das Ergebnis einer früheren Datei.</source>
        <translation>The output would overwrite “%1”, the result of an earlier file.</translation>
    </message>
    <message>
        <source>Die Ausgabe würde „%1“ überschreiben, die auf der Seite „%2“ aufgeführt ist.</source>
        <translation>The output would overwrite “%1”, which is listed on the page “%2”.</translation>
    </message>
    <message>
        <source>Den Zielordner gibt es nicht.</source>
        <translation>The output folder does not exist.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>The output folder cannot be written to.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>%1 ist nicht installiert oder nicht im Suchpfad (PATH).</source>
        <translation>%1 is not installed or not on the search path (PATH).</translation>
    </message>
    <message>
        <source>%1 im Suchpfad (PATH) ist kein ausführbares Programm.</source>
        <translation>%1 on the search path (PATH) is not an executable program.</translation>
    </message>
    <message>
        <source>%1 endete mit dem Fehlercode %2.</source>
        <translation>%1 ended with the error code %2.</translation>
    </message>
    <message>
        <source>%1 ist abgestürzt (%2).</source>
        <translation>%1 crashed (%2).</translation>
    </message>
    <message>
        <source>%1 meldete einen Fehler, obwohl es mit Code 0 endete.</source>
        <translation>%1 reported an error, although it ended with code 0.</translation>
    </message>
    <message>
        <source>Die Ausgabe enthält keinen Ton.</source>
        <translation>The output holds no sound.</translation>
    </message>
    <message>
        <source>Die Ausgabe ist unvollständig: sie enthält weniger, als ihr Kopf angibt.</source>
        <translation>The output is incomplete: it holds less than its header states.</translation>
    </message>
    <message>
        <source>Die neu geschriebene Datei war unvollständig; das Original ist wiederhergestellt.</source>
        <translation>The rewritten file was incomplete; the original is restored.</translation>
    </message>
    <message>
        <source>Die neu geschriebene Datei ist unvollständig; der Ordner hält keine Kopie des Originals.</source>
        <translation>The rewritten file is incomplete; the folder holds no copy of the original.</translation>
    </message>
    <message>
        <source>Mit „Stop“ angehalten.</source>
        <translation>Stopped with “Stop”.</translation>
    </message>
    <message>
        <source>Mit „Stop“ angehalten; %1 lief nach 3 Sekunden noch und wurde beendet.</source>
        <translation>Stopped with “Stop”; %1 still ran after 3 seconds and was killed.</translation>
    </message>
    <message>
        <source>Nicht bearbeitet: der Durchgang wurde vorher angehalten.</source>
        <translation>Not done: the batch was stopped before.</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien ist fehlgeschlagen (FAIL!)</source>
        <translation>%1 of %2 files failed (FAIL!)</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien sind fehlgeschlagen (FAIL!)</source>
        <translation>%1 of %2 files failed (FAIL!)</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Alles auswählen</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>und %1 weitere</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Der Name passt nicht zum Muster „%1“: alles wird Titel.</source>
        <translation>The name does not fit the pattern “%1”: all of it becomes the title.</translation>
    </message>
    <message>
        <source>Die Eingabe ist beschädigt oder unvollständig.</source>
        <translation>The input is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Die Eingabe ist beschädigt oder unvollständig: %1 s von %2 s umgewandelt.</source>
        <translation>The input is damaged or incomplete: %1 s of %2 s converted.</translation>
    </message>
    <message>
        <source>Die Datei ist stumm und bleibt, wie sie ist.</source>
        <translation>The file is silent and stays as it is.</translation>
    </message>
    <message>
        <source>Übersprungen: „%1“ gibt es schon im Zielordner.</source>
        <translation>Skipped: “%1” is already in the output folder.</translation>
    </message>
    <message>
        <source>1 Datei mit Warnung</source>
        <translation>1 file with a warning</translation>
    </message>
    <message>
        <source>%1 Dateien mit Warnung</source>
        <translation>%1 files with a warning</translation>
    </message>
    <message>
        <source>%1 mit Warnung</source>
        <translation>%1 with a warning</translation>
    </message>
    <message>
        <source>„%1“ gibt es schon im Zielordner.</source>
        <translation>“%1” is already in the output folder.</translation>
    </message>
    <message>
        <source>%1 Dateien gibt es schon im Zielordner:</source>
        <translation>%1 files are already in the output folder:</translation>
    </message>
    <message>
        <source>Soll sie ersetzt werden?</source>
        <translation>Replace it?</translation>
    </message>
    <message>
        <source>Sollen sie ersetzt werden?</source>
        <translation>Replace them?</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Überspringen</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Datenträger meldete einen Fehler, als die Datei gesichert wurde; das Original ist wiederhergestellt.</source>
        <translation>The disk reported an error while the file was being saved; the original has been restored.</translation>
    </message>
    <message>
        <source>Der Datenträger meldete einen Fehler, als das Ergebnis gesichert wurde.</source>
        <translation>The disk reported an error while the result was being saved.</translation>
    </message>
</context>
</TS>
