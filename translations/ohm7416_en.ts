<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccessConfigDialog</name>
    <message>
        <source>Gerätezugriff</source>
        <translation>Instrument access</translation>
    </message>
    <message>
        <source>Bedienung am Gerät erlaubt für</source>
        <translation>Operation at the instrument allowed for</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Anzeigemodus</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>Komparator-Konfiguration</source>
        <translation>Comparator configuration</translation>
    </message>
    <message>
        <source>Komparator-Auswertung</source>
        <translation>Comparator evaluation</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Temperaturkompensation</source>
        <translation>Temperature compensation</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Geräteeinstellungen (Speicher)</source>
        <translation>Instrument settings (memories)</translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>Datalogger</translation>
    </message>
    <message>
        <source>Hüllkurven-Auswertung</source>
        <translation>Envelope evaluation</translation>
    </message>
    <message>
        <source>Hüllkurven-Konfiguration</source>
        <translation>Envelope configuration</translation>
    </message>
    <message>
        <source>Dauermessung</source>
        <translation>Continuous measurement</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Digitale Ein- und Ausgänge</source>
        <translation>Digital inputs and outputs</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Schnellmessung</source>
        <translation>Fast measurement</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Manuelle Bereichswahl</source>
        <translation>Manual range selection</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ActivateMemoryDialog</name>
    <message>
        <source>Geräteeinstellung aktivieren</source>
        <translation>Recall instrument setting</translation>
    </message>
    <message>
        <source>Gespeicherte Geräteeinstellungen</source>
        <translation>Stored instrument settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AsciiExportDialog</name>
    <message>
        <source>Daten exportieren</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Export &amp;Typ</source>
        <translation>Export &amp;type</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CompareConfigDialog</name>
    <message>
        <source>Komparator</source>
        <translation>Comparator</translation>
    </message>
    <message>
        <source>Komparator Ein</source>
        <translation>Comparator on</translation>
    </message>
    <message>
        <source>Anzahl Grenzen</source>
        <translation>Number of limits</translation>
    </message>
    <message>
        <source>2 Grenzen</source>
        <translation>2 limits</translation>
    </message>
    <message>
        <source>4 Grenzen</source>
        <translation>4 limits</translation>
    </message>
    <message>
        <source>Relative Grenzen</source>
        <translation>Relative limits</translation>
    </message>
    <message>
        <source>Fehlmessung</source>
        <translation>Faulty measurement</translation>
    </message>
    <message>
        <source>Nicht zählen</source>
        <translation>Do not count</translation>
    </message>
    <message>
        <source>Als Überschreitung zählen</source>
        <translation>Count as exceeded</translation>
    </message>
    <message>
        <source>Grenzwerte und Zähler</source>
        <translation>Limits and counts</translation>
    </message>
    <message>
        <source>Messwert in Ohm</source>
        <translation>Value in ohms</translation>
    </message>
    <message>
        <source>Grenzwert &apos;&gt;&gt;&apos;</source>
        <translation>Limit &apos;&gt;&gt;&apos;</translation>
    </message>
    <message>
        <source>Anzahl &apos;&gt;&gt;&apos;</source>
        <translation>Count &apos;&gt;&gt;&apos;</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Grenzwert &apos;&gt;&apos;</source>
        <translation>Limit &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>Anzahl &apos;&gt;&apos;</source>
        <translation>Count &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>Anzahl &apos;OK&apos;</source>
        <translation>Count &apos;OK&apos;</translation>
    </message>
    <message>
        <source>Grenzwert &apos;&lt;&apos;</source>
        <translation>Limit &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>Anzahl &apos;&lt;&apos;</source>
        <translation>Count &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>Grenzwert &apos;&lt;&lt;&apos;</source>
        <translation>Limit &apos;&lt;&lt;&apos;</translation>
    </message>
    <message>
        <source>Anzahl &apos;&lt;&lt;&apos;</source>
        <translation>Count &apos;&lt;&lt;&apos;</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DataloggerGraphDialog</name>
    <message>
        <source>Datalogger Grafik</source>
        <translation>Datalogger graph</translation>
    </message>
    <message>
        <source>Grafik der ausgelesenen Werte</source>
        <translation>Graph of the values read out</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Kommentar</source>
        <translation>&amp;Comment</translation>
    </message>
    <message>
        <source>Als &amp;Bild speichern</source>
        <translation>Save as &amp;image</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DeviceInfoDialog</name>
    <message>
        <source>Geräteinformation</source>
        <translation>Instrument information</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Zusatz</source>
        <translation>Supplement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GpibSetupDialog</name>
    <message>
        <source>Schnittstelle GPIB</source>
        <translation>GPIB interface</translation>
    </message>
    <message>
        <source>GPIB-Adresse</source>
        <translation>GPIB address</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LogConfigDialog</name>
    <message>
        <source>Datalogger Konfiguration</source>
        <translation>Datalogger configuration</translation>
    </message>
    <message>
        <source>&amp;Datalogger eingeschaltet</source>
        <translation>&amp;Datalogger on</translation>
    </message>
    <message>
        <source>Datalogger-Blöcke</source>
        <translation>Datalogger blocks</translation>
    </message>
    <message>
        <source>Rechte Maustaste oder F2: Namen des aktiven Blocks ändern</source>
        <translation>Right mouse button or F2: rename the active block</translation>
    </message>
    <message>
        <source>Rechte Maustaste oder F2: Block umbenennen</source>
        <translation>Right mouse button or F2: rename the block</translation>
    </message>
    <message>
        <source>&amp;Größe (gespeicherte Werte)</source>
        <translation>Si&amp;ze (values stored)</translation>
    </message>
    <message>
        <source>Klicken oder Eingabetaste: Blockgröße ändern</source>
        <translation>Click or Enter: change the block size</translation>
    </message>
    <message>
        <source>Freier Speicher</source>
        <translation>Free memory</translation>
    </message>
    <message>
        <source>Filter des aktiven Blocks</source>
        <translation>Filter of the active block</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Alle Werte</source>
        <translation>All values</translation>
    </message>
    <message>
        <source>Nur Gut-Werte</source>
        <translation>Good values only</translation>
    </message>
    <message>
        <source>Nur Fehler-Werte</source>
        <translation>Failed values only</translation>
    </message>
    <message>
        <source>Jeder n-te Wert</source>
        <translation>Every n-th value</translation>
    </message>
    <message>
        <source>Zeitintervall</source>
        <translation>Time interval</translation>
    </message>
    <message>
        <source>Änderung größer Delta</source>
        <translation>Change greater than delta</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Stunden</source>
        <translation>&amp;Hours</translation>
    </message>
    <message>
        <source>&amp;Minuten</source>
        <translation>&amp;Minutes</translation>
    </message>
    <message>
        <source>Se&amp;kunden</source>
        <translation>&amp;Seconds</translation>
    </message>
    <message>
        <source>D&amp;elta (Ohm)</source>
        <translation>D&amp;elta (ohms)</translation>
    </message>
    <message>
        <source>Statistik des aktiven Blocks</source>
        <translation>Statistics of the active block</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Std.Abweichung</source>
        <translation>Std. deviation</translation>
    </message>
    <message>
        <source>Block &amp;löschen</source>
        <translation>De&amp;lete block</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tarvolux Typ 7416 - Ohmmeter</source>
        <translation>Tarvolux Typ 7416 - Ohmmeter</translation>
    </message>
    <message>
        <source>Tarvolux Typ 7416</source>
        <translation>Tarvolux Typ 7416</translation>
    </message>
    <message>
        <source>Vierleiter-Niederohmmeter  200 mΩ – 200 kΩ</source>
        <translation>Four-wire low-resistance meter  200 mΩ – 200 kΩ</translation>
    </message>
    <message>
        <source>Keine Verbindung</source>
        <translation>No connection</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Schnittstelle</source>
        <translation>&amp;Interface</translation>
    </message>
    <message>
        <source>&amp;Messung</source>
        <translation>&amp;Measurement</translation>
    </message>
    <message>
        <source>&amp;Gerät</source>
        <translation>Instr&amp;ument</translation>
    </message>
    <message>
        <source>Data&amp;logger</source>
        <translation>&amp;Datalogger</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>Konfiguration &amp;speichern ...</source>
        <translation>&amp;Save configuration ...</translation>
    </message>
    <message>
        <source>Konfiguration &amp;laden ...</source>
        <translation>&amp;Load configuration ...</translation>
    </message>
    <message>
        <source>&amp;Backup-Datei erstellen ...</source>
        <translation>Create &amp;backup file ...</translation>
    </message>
    <message>
        <source>Backup-Datei la&amp;den ...</source>
        <translation>Loa&amp;d backup file ...</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;GPIB    (488.2) ...</source>
        <translation>&amp;GPIB    (488.2) ...</translation>
    </message>
    <message>
        <source>&amp;Seriell (RS232) ...</source>
        <translation>&amp;Serial (RS232) ...</translation>
    </message>
    <message>
        <source>&amp;Messpanel</source>
        <translation>&amp;Measure panel</translation>
    </message>
    <message>
        <source>&amp;Messkonfiguration ...</source>
        <translation>&amp;Measurement configuration ...</translation>
    </message>
    <message>
        <source>&amp;Komparator ...</source>
        <translation>&amp;Comparator ...</translation>
    </message>
    <message>
        <source>&amp;Temperaturkompensation ...</source>
        <translation>&amp;Temperature compensation ...</translation>
    </message>
    <message>
        <source>Geräte&amp;zugriff ...</source>
        <translation>Instrument &amp;access ...</translation>
    </message>
    <message>
        <source>Geräte&amp;drucker ...</source>
        <translation>Instrument &amp;printer ...</translation>
    </message>
    <message>
        <source>Geräteeinstellung &amp;aktivieren ...</source>
        <translation>&amp;Recall instrument setting ...</translation>
    </message>
    <message>
        <source>Geräteeinstellung &amp;speichern ...</source>
        <translation>&amp;Store instrument setting ...</translation>
    </message>
    <message>
        <source>&amp;Konfiguration ...</source>
        <translation>&amp;Configuration ...</translation>
    </message>
    <message>
        <source>&amp;Auslesen ...</source>
        <translation>&amp;Read out ...</translation>
    </message>
    <message>
        <source>&amp;Programminformation</source>
        <translation>&amp;Program information</translation>
    </message>
    <message>
        <source>&amp;Geräteinformation</source>
        <translation>&amp;Instrument information</translation>
    </message>
    <message>
        <source>D&amp;ruckereinrichtung (PC) ...</source>
        <translation>&amp;Printer setup (PC) ...</translation>
    </message>
    <message>
        <source>Benutzer-E&amp;xportformat ...</source>
        <translation>User &amp;export format ...</translation>
    </message>
    <message>
        <source>Messung &amp;Start / Stop</source>
        <translation>Measurement &amp;Start / Stop</translation>
    </message>
</context>
<context>
    <name>MeasurePanel</name>
    <message>
        <source>Messpanel</source>
        <translation>Measure panel</translation>
    </message>
    <message>
        <source>Messwert</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>font-size: 26pt; font-weight: bold; background: #10281a; color: #7CFC00; padding: 6px; font-family: monospace;</source>
        <translation>font-size: 26pt; font-weight: bold; background: #10281a; color: #7CFC00; padding: 6px; font-family: monospace;</translation>
    </message>
    <message>
        <source>Messlampe</source>
        <translation>Measuring lamp</translation>
    </message>
    <message>
        <source>Messung &amp;Start / Stop</source>
        <translation>Measurement &amp;Start / Stop</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>D&amp;auermessung</source>
        <translation>Contin&amp;uous measurement</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>200 mOhm (20 mV Begrenzung)</source>
        <translation>200 mOhm (20 mV limit)</translation>
    </message>
    <message>
        <source>Messbereich bei 20 mV Begrenzung</source>
        <translation>Range with 20 mV limit</translation>
    </message>
    <message>
        <source>Auto-Range Min</source>
        <translation>Auto-range min</translation>
    </message>
    <message>
        <source>Auto-Range Max</source>
        <translation>Auto-range max</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Referenzwert</source>
        <translation>Reference value</translation>
    </message>
    <message>
        <source> Ohm</source>
        <translation> Ohm</translation>
    </message>
    <message>
        <source>Induktiv</source>
        <translation>Inductive</translation>
    </message>
    <message>
        <source>Induktive Messung</source>
        <translation>Inductive measurement</translation>
    </message>
    <message>
        <source>20 mV Begrenzung</source>
        <translation>20 mV limit</translation>
    </message>
    <message>
        <source>Komparator</source>
        <translation>Comparator</translation>
    </message>
    <message>
        <source>&amp;Komparator</source>
        <translation>C&amp;omparator</translation>
    </message>
    <message>
        <source>Grenzwert 1</source>
        <translation>Limit 1</translation>
    </message>
    <message>
        <source>Grenzwert 2</source>
        <translation>Limit 2</translation>
    </message>
    <message>
        <source>Grenzwert 3</source>
        <translation>Limit 3</translation>
    </message>
    <message>
        <source>Grenzwert 4</source>
        <translation>Limit 4</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Zähler &lt;&lt;</source>
        <translation>Count &lt;&lt;</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Zähler &lt;</source>
        <translation>Count &lt;</translation>
    </message>
    <message>
        <source>Gut</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Zähler Gut</source>
        <translation>Count good</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Zähler &gt;</source>
        <translation>Count &gt;</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Zähler &gt;&gt;</source>
        <translation>Count &gt;&gt;</translation>
    </message>
    <message>
        <source>Hüllkurve</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>&amp;Hüllkurve</source>
        <translation>&amp;Envelope</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Datalogger</source>
        <translation>Datalogger</translation>
    </message>
    <message>
        <source>Data&amp;logger</source>
        <translation>D&amp;atalogger</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Rechtsklick oder Menütaste: Block umbenennen</source>
        <translation>Right click or menu key: rename the block</translation>
    </message>
    <message>
        <source>Belegung</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Klick: Blockgröße ändern</source>
        <translation>Click: change the block size</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>&amp;T-Kompensation</source>
        <translation>&amp;T-compensation</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Ref.Temp.</source>
        <translation>Ref.temp.</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Man.Temp.</source>
        <translation>Man.temp.</translation>
    </message>
    <message>
        <source>Mess.Temp.</source>
        <translation>Meas.temp.</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Geräte&amp;drucker</source>
        <translation>Instrument &amp;printer</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>Messwerte s&amp;peichern</source>
        <translation>Store &amp;values</translation>
    </message>
    <message>
        <source>Achse Min</source>
        <translation>Axis min</translation>
    </message>
    <message>
        <source>Achse Max</source>
        <translation>Axis max</translation>
    </message>
    <message>
        <source>K&amp;ommentar</source>
        <translation>Comme&amp;nt</translation>
    </message>
    <message>
        <source>D&amp;rucken</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>Als &amp;Bild speichern</source>
        <translation>Save as &amp;image</translation>
    </message>
    <message>
        <source>Messwertgrafik</source>
        <translation>Graph of measured values</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Demo-&amp;Zyklus</source>
        <translation>&amp;Demo cycle</translation>
    </message>
    <message>
        <source>Hüllkurve lösch&amp;en</source>
        <translation>C&amp;lear envelope</translation>
    </message>
    <message>
        <source>Gerätespeicher akt&amp;ivieren</source>
        <translation>Recall instrument &amp;memory</translation>
    </message>
</context>
<context>
    <name>MeasurementConfigDialog</name>
    <message>
        <source>Messkonfiguration</source>
        <translation>Measurement configuration</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>200 mOhm</source>
        <translation>200 mOhm</translation>
    </message>
    <message>
        <source>2 Ohm</source>
        <translation>2 Ohm</translation>
    </message>
    <message>
        <source>20 Ohm</source>
        <translation>20 Ohm</translation>
    </message>
    <message>
        <source>200 Ohm</source>
        <translation>200 Ohm</translation>
    </message>
    <message>
        <source>2 kOhm</source>
        <translation>2 kOhm</translation>
    </message>
    <message>
        <source>20 kOhm</source>
        <translation>20 kOhm</translation>
    </message>
    <message>
        <source>200 kOhm</source>
        <translation>200 kOhm</translation>
    </message>
    <message>
        <source>200 mOhm (20mV Begrenzung)</source>
        <translation>200 mOhm (20mV limit)</translation>
    </message>
    <message>
        <source>Auto-Range Min</source>
        <translation>Auto-range min</translation>
    </message>
    <message>
        <source>Auto-Range Max</source>
        <translation>Auto-range max</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Induktive Messung</source>
        <translation>Inductive measurement</translation>
    </message>
    <message>
        <source>20mV Begrenzung</source>
        <translation>20mV limit</translation>
    </message>
    <message>
        <source>Dauermessung</source>
        <translation>Continuous measurement</translation>
    </message>
    <message>
        <source>Mittelwert Anzahl</source>
        <translation>Averaging count</translation>
    </message>
    <message>
        <source>Mittelwert Art</source>
        <translation>Averaging type</translation>
    </message>
    <message>
        <source>Gleitend</source>
        <translation>Moving</translation>
    </message>
    <message>
        <source>Wiederholend</source>
        <translation>Repeating</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>0.0005</source>
        <translation>0.0005</translation>
    </message>
    <message>
        <source>0.00005</source>
        <translation>0.00005</translation>
    </message>
    <message>
        <source>Integrationszeit</source>
        <translation>Integration time</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Mess-Sequenz</source>
        <translation>Measurement sequence</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Ohne Kompensation</source>
        <translation>Without compensation</translation>
    </message>
    <message>
        <source>Einfache Kompensation</source>
        <translation>Simple compensation</translation>
    </message>
    <message>
        <source>Darstellung der Mess-Sequenz</source>
        <translation>Illustration of the measurement sequence</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Anzeigemodus</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>Widerstand</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Abweichung (Delta)</source>
        <translation>Deviation (delta)</translation>
    </message>
    <message>
        <source>Grenzwerte (Komparator)</source>
        <translation>Limits (comparator)</translation>
    </message>
    <message>
        <source>Referenzwert (Ohm)</source>
        <translation>Reference value (ohms)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PrintConfigDialog</name>
    <message>
        <source>Gerätedrucker</source>
        <translation>Instrument printer</translation>
    </message>
    <message>
        <source>Drucker Ein</source>
        <translation>Printer on</translation>
    </message>
    <message>
        <source>Mit jedem Wert drucken</source>
        <translation>Print with every value</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Beschriftung</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Beschriftungstext</source>
        <translation>Label text</translation>
    </message>
    <message>
        <source>Kopfzeile alle</source>
        <translation>Header line every</translation>
    </message>
    <message>
        <source>Druckintervall Stunden</source>
        <translation>Print interval hours</translation>
    </message>
    <message>
        <source>Druckintervall Minuten</source>
        <translation>Print interval minutes</translation>
    </message>
    <message>
        <source>Druckintervall Sekunden</source>
        <translation>Print interval seconds</translation>
    </message>
    <message>
        <source>Druckerzähler zurücksetzen</source>
        <translation>Reset printer counter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>Druckereinrichtung (PC)</source>
        <translation>Printer setup (PC)</translation>
    </message>
    <message>
        <source>Farbmodus</source>
        <translation>Colour mode</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Black and white</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Auflösung horizontal (dpi)</source>
        <translation>Horizontal resolution (dpi)</translation>
    </message>
    <message>
        <source>Auflösung vertikal (dpi)</source>
        <translation>Vertical resolution (dpi)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProgramInfoDialog</name>
    <message>
        <source>Programminformation</source>
        <translation>Program information</translation>
    </message>
    <message>
        <source>Tarvolux Typ 7416 - Steuer- und Messprogramm</source>
        <translation>Tarvolux Typ 7416 - control and measurement program</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ReadoutDialog</name>
    <message>
        <source>Datalogger auslesen</source>
        <translation>Read out datalogger</translation>
    </message>
    <message>
        <source>&amp;Block</source>
        <translation>&amp;Block</translation>
    </message>
    <message>
        <source>Größe (gespeicherte Werte)</source>
        <translation>Size (values stored)</translation>
    </message>
    <message>
        <source>Geschätzte Dauer (s)</source>
        <translation>Estimated duration (s)</translation>
    </message>
    <message>
        <source>&amp;Gesamten Block auslesen</source>
        <translation>Read the &amp;whole block</translation>
    </message>
    <message>
        <source>&amp;von</source>
        <translation>&amp;from</translation>
    </message>
    <message>
        <source>b&amp;is</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>&amp;Nur Messwerte (ohne Datum und Uhrzeit)</source>
        <translation>&amp;Values only (without date and time)</translation>
    </message>
    <message>
        <source>Mit &amp;Statistik</source>
        <translation>With &amp;statistics</translation>
    </message>
    <message>
        <source>Ausgelesene Werte</source>
        <translation>Values read out</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%v von %m Werten</source>
        <translation>%v of %m values</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Auslesen</source>
        <translation>&amp;Read out</translation>
    </message>
    <message>
        <source>G&amp;rafik</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>SaveMemoryDialog</name>
    <message>
        <source>Geräteeinstellung speichern</source>
        <translation>Store instrument setting</translation>
    </message>
    <message>
        <source>Gespeicherte Geräteeinstellungen (Rechtsklick: Beschriftung ändern)</source>
        <translation>Stored instrument settings (right click: change the label)</translation>
    </message>
    <message>
        <source>Beschriftung ändern ...</source>
        <translation>Change label ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SerialSetupDialog</name>
    <message>
        <source>Schnittstelle RS232</source>
        <translation>RS232 interface</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Gerätedatei</source>
        <translation>Device file</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TempConfigDialog</name>
    <message>
        <source>Temperaturkompensation</source>
        <translation>Temperature compensation</translation>
    </message>
    <message>
        <source>Temperaturkompensation Ein</source>
        <translation>Temperature compensation on</translation>
    </message>
    <message>
        <source>Temperaturfühler</source>
        <translation>Temperature sensor</translation>
    </message>
    <message>
        <source>Manuelle Temperatur</source>
        <translation>Manual temperature</translation>
    </message>
    <message>
        <source>PT100</source>
        <translation>PT100</translation>
    </message>
    <message>
        <source>Spannungseingang</source>
        <translation>Voltage input</translation>
    </message>
    <message>
        <source>Stromeingang</source>
        <translation>Current input</translation>
    </message>
    <message>
        <source>Referenztemperatur (°C)</source>
        <translation>Reference temperature (°C)</translation>
    </message>
    <message>
        <source>Manuelle Temperatur (°C)</source>
        <translation>Manual temperature (°C)</translation>
    </message>
    <message>
        <source>Temperaturkoeffizienten (Rechtsklick: ändern)</source>
        <translation>Temperature coefficients (right click: change)</translation>
    </message>
    <message>
        <source>Temperaturkoeffizienten</source>
        <translation>Temperature coefficients</translation>
    </message>
    <message>
        <source>Koeffizient ändern ...</source>
        <translation>Change coefficient ...</translation>
    </message>
    <message>
        <source>PT100 Skalierung</source>
        <translation>PT100 scaling</translation>
    </message>
    <message>
        <source>PT100 Faktor 1</source>
        <translation>PT100 factor 1</translation>
    </message>
    <message>
        <source>PT100 Faktor 2</source>
        <translation>PT100 factor 2</translation>
    </message>
    <message>
        <source>PT100 Faktor 3</source>
        <translation>PT100 factor 3</translation>
    </message>
    <message>
        <source>Skalierung Eingang</source>
        <translation>Input scaling</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>T1 (°C)</source>
        <translation>T1 (°C)</translation>
    </message>
    <message>
        <source>T2 (°C)</source>
        <translation>T2 (°C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UserExportDialog</name>
    <message>
        <source>Benutzerdefiniertes Exportformat</source>
        <translation>User-defined export format</translation>
    </message>
    <message>
        <source>Datei &amp;Extension</source>
        <translation>File &amp;extension</translation>
    </message>
    <message>
        <source>.txt</source>
        <translation>.txt</translation>
    </message>
    <message>
        <source>&amp;Dezimal Trenner</source>
        <translation>&amp;Decimal separator</translation>
    </message>
    <message>
        <source>&amp;Spalten Trenner</source>
        <translation>&amp;Column separator</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ohm7416</name>
    <message>
        <source>Option --home: Verzeichnis fehlt</source>
        <translation>Option --home: directory missing</translation>
    </message>
    <message>
        <source>Unbekannte Option %1</source>
        <translation>Unknown option %1</translation>
    </message>
    <message>
        <source>Aufruf: ohm7416 [--simulate[=rs232|gpib]] [--line-pacing] [--home VERZEICHNIS] [--language en|de] [messedemo]

  --simulate[=rs232|gpib]  mit dem eingebauten simulierten Gerät arbeiten
  --line-pacing            das simulierte RS232-Gerät antwortet so langsam wie
                           eine echte Leitung mit der eingestellten Baudrate
  --home VERZEICHNIS       Projektverzeichnis (Com.stp, Config, EXPORT, format.for)
  --language en|de         Sprache der Bedienoberfläche (Vorgabe: $OHM7416_LANGUAGE,
                           sonst die unter Info &gt; Sprache / Language gewählte,
                           sonst de)
  messedemo                Demonstrationsschalter im Messpanel zeigen
  --help                   diese Hilfe
</source>
        <translation>Usage: ohm7416 [--simulate[=rs232|gpib]] [--line-pacing] [--home DIRECTORY] [--language en|de] [messedemo]

  --simulate[=rs232|gpib]  work with the built-in simulated instrument
  --line-pacing            the simulated RS232 instrument answers as slowly as
                           a real line at the baud rate set
  --home DIRECTORY         project directory (Com.stp, Config, EXPORT, format.for)
  --language en|de         language of the user interface (default: $OHM7416_LANGUAGE,
                           else the one chosen under Info &gt; Sprache / Language,
                           else de)
  messedemo                show the demonstration switch in the measure panel
  --help                   this help
</translation>
    </message>
    <message>
        <source>Fehler-Meldung :</source>
        <translation>Error message :</translation>
    </message>
    <message>
        <source>Die Wahl der Sprache konnte nicht gespeichert werden.</source>
        <translation>The choice of language could not be stored.</translation>
    </message>
    <message>
        <source>Sprache / Language</source>
        <translation>Sprache / Language</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Start des Programms.
The language chosen applies from the next start of the program.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start des Programms.
The language chosen applies from the next start of the program.</translation>
    </message>
    <message>
        <source>&amp;Sprache / Language</source>
        <translation>Sprache / &amp;Language</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>Die Übersetzung fehlt in %1; das Programm spricht Deutsch.</source>
        <translation>The translation is missing in %1; the program speaks German.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>alle gespeicherten Geräteeinstellungen (Speicher 0-31) in eine Backup-Datei (.bak) sichern</source>
        <translation>save all stored instrument settings (memories 0-31) into a backup file (.bak)</translation>
    </message>
    <message>
        <source>Option %1: Wert fehlt</source>
        <translation>Option %1: value missing</translation>
    </message>
    <message>
        <source>Option %1: Zahl erwartet statt %2</source>
        <translation>Option %1: number expected instead of %2</translation>
    </message>
    <message>
        <source>Option --simulate: rs232 oder gpib erwartet statt %1</source>
        <translation>Option --simulate: rs232 or gpib expected instead of %1</translation>
    </message>
    <message>
        <source>Option %1 hat keinen Wert</source>
        <translation>Option %1 takes no value</translation>
    </message>
    <message>
        <source>Unbekannter Befehl %1</source>
        <translation>Unknown command %1</translation>
    </message>
    <message>
        <source>--port, --gpib und --simulate schließen einander aus</source>
        <translation>--port, --gpib and --simulate exclude each other</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>Befehl %1: %2</source>
        <translation>Command %1: %2</translation>
    </message>
    <message>
        <source>Argument fehlt (%1)</source>
        <translation>argument missing (%1)</translation>
    </message>
    <message>
        <source>zu viele Argumente</source>
        <translation>too many arguments</translation>
    </message>
    <message>
        <source>Aufruf: ohm7416ctl [Schnittstelle] [--home VERZEICHNIS] BEFEHL [ARGUMENTE] [OPTIONEN]

Das Programm ohm7416 ohne Fenster: dieselben Abläufe, dieselben Dateien, keine
Rückfragen. Meldungen auf der Standardfehlerausgabe, Rückgabewert 0 bei Erfolg,
1 bei einem Fehler, 2 bei einem falschen Aufruf.

Schnittstelle (Vorgabe: die im Programm eingestellte, aus Com.stp):
  --port N                    RS-232 an COM N (1-4), Gerätedatei wie im Programm
  --baud B                    Baudrate (1200-38400; Vorgabe aus Com.stp, sonst 9600)
  --gpib ADR                  GPIB-Adresse (0-30)
  --simulate[=rs232|gpib]     das eingebaute simulierte Gerät (Vorgabe rs232)
  --home VERZEICHNIS          Projektverzeichnis (Vorgabe wie im Programm:
                              $OHM7416_HOME, sonst der Programmordner, wenn
                              beschreibbar, sonst ~/.local/share/ohm7416)
  --language en|de            Sprache der Hilfe und der Meldungen (Vorgabe:
                              $OHM7416_LANGUAGE, sonst de)
  --help                      diese Hilfe (BEFEHL --help: die des Befehls)

Befehle:
</source>
        <translation>Usage: ohm7416ctl [interface] [--home DIRECTORY] COMMAND [ARGUMENTS] [OPTIONS]

The program ohm7416 without windows: the same procedures, the same files, no
questions. Messages on standard error, exit status 0 on success, 1 after an
error, 2 for a wrong command line.

Interface (default: the one set in the program, from Com.stp):
  --port N                    RS-232 on COM N (1-4), device file as in the program
  --baud B                    baud rate (1200-38400; default from Com.stp, else 9600)
  --gpib ADR                  GPIB address (0-30)
  --simulate[=rs232|gpib]     the built-in simulated instrument (default rs232)
  --home DIRECTORY            project directory (default as in the program:
                              $OHM7416_HOME, else the program folder when
                              writable, else ~/.local/share/ohm7416)
  --language en|de            language of the help and the messages (default:
                              $OHM7416_LANGUAGE, else de)
  --help                      this help (COMMAND --help: that of the command)

Commands:
</translation>
    </message>
    <message>
        <source>Aufruf: ohm7416ctl [Schnittstelle] [--home VERZEICHNIS]</source>
        <translation>Usage: ohm7416ctl [interface] [--home DIRECTORY]</translation>
    </message>
    <message>
        <source>[OPTIONEN]</source>
        <translation>[OPTIONS]</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Schnittstelle und Projektverzeichnis: siehe ohm7416ctl --help</source>
        <translation>Interface and project directory: see ohm7416ctl --help</translation>
    </message>
    <message>
        <source>%1 (Hilfe: ohm7416ctl --help)</source>
        <translation>%1 (help: ohm7416ctl --help)</translation>
    </message>
    <message>
        <source>ohm7416ctl: %1 ist fehlgeschlagen.</source>
        <translation>ohm7416ctl: %1 has failed.</translation>
    </message>
    <message>
        <source>Datalogger-Block %1 auslesen</source>
        <translation>Reading out datalogger block %1</translation>
    </message>
    <message>
        <source>Befehl datalogger read: Blocknummer (0-%1) erwartet statt %2</source>
        <translation>Command datalogger read: block number (0-%1) expected instead of %2</translation>
    </message>
    <message>
        <source>Option %1: Wertnummer (1-%2) erwartet statt %3</source>
        <translation>Option %1: value number (1-%2) expected instead of %3</translation>
    </message>
    <message>
        <source>Auswahl nicht zulässig: --to %1 liegt vor --from %2</source>
        <translation>Selection not allowed: --to %1 lies before --from %2</translation>
    </message>
    <message>
        <source>Füllstand des Datalogger-Blocks lesen</source>
        <translation>Reading the fill of the datalogger block</translation>
    </message>
    <message>
        <source>Das Gerät hat die Anzahl der Werte im Datalogger-Block %1 nicht gemeldet (Fehler %2).</source>
        <translation>The instrument did not report the number of values in datalogger block %1 (error %2).</translation>
    </message>
    <message>
        <source>Im Datalogger-Block %1 sind keine Werte gespeichert.</source>
        <translation>Datalogger block %1 holds no stored values.</translation>
    </message>
    <message>
        <source>Im Datalogger-Block %1 sind nur %2 Werte gespeichert; die Werte %3 bis %4 können nicht ausgelesen werden.</source>
        <translation>Datalogger block %1 holds only %2 stored values; values %3 to %4 cannot be read out.</translation>
    </message>
    <message>
        <source>BLOCK</source>
        <translation>BLOCK</translation>
    </message>
    <message>
        <source>die gespeicherten Werte eines Datalogger-Blocks (0-31) auslesen wie mit &quot;Datalogger auslesen&quot; und ausgeben wie dessen Liste: mit --statistics zuerst die vier Statistik-Zeilen, dann eine Zeile je Wert, die Felder durch Tabulatoren getrennt (Nummer, Wert, mit --with-date auch Datum und Uhrzeit). Der Block wird, wie im Programm, der aktive Block des Geräts. Ein leerer Block ist ein Fehler. Endet das Auslesen vorzeitig (Verbindung verloren, ungültige Antwort, Strg+C wie &quot;Abbrechen&quot;), werden die bis dahin gelesenen Werte ausgegeben und exportiert, Rückgabewert 1</source>
        <translation>read out the stored values of a datalogger block (0-31) as &quot;Read out datalogger&quot; does and print them as its list does: with --statistics the four statistics lines first, then one line a value, the fields separated by tabs (number, value, with --with-date also date and time). As in the program, the block becomes the instrument&apos;s active block. An empty block is an error. When the read-out ends early (connection lost, invalid answer, Ctrl+C as &quot;Cancel&quot;), the values read so far are printed and exported, exit status 1</translation>
    </message>
    <message>
        <source>erster auszulesender Wert (Vorgabe: 1; ohne --from und --to der ganze Block)</source>
        <translation>first value to read out (default: 1; without --from and --to the whole block)</translation>
    </message>
    <message>
        <source>letzter auszulesender Wert (Vorgabe: der letzte gespeicherte Wert)</source>
        <translation>last value to read out (default: the last value stored)</translation>
    </message>
    <message>
        <source>die Werte mit Datum und Uhrzeit auslesen (Vorgabe: nur die Messwerte)</source>
        <translation>read out the values with date and time (default: the measured values only)</translation>
    </message>
    <message>
        <source>auch die Statistik des Blocks auslesen: Minimum, Maximum, Mittelwert, Std.Abweichung (Vorgabe: ohne Statistik)</source>
        <translation>also read out the block&apos;s statistics: minimum, maximum, mean, standard deviation (default: without statistics)</translation>
    </message>
    <message>
        <source>die gelesenen Werte auch in diese Exportdatei schreiben, wie mit &quot;Exportieren&quot;; eine vorhandene Datei wird überschrieben (Vorgabe: keine Exportdatei)</source>
        <translation>also write the values read into this export file, as &quot;Export&quot; does; an existing file is overwritten (default: no export file)</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Export Typ aus format.for/export.exp, mit seinem Namen (z. B. Tabellenkalkulation) oder seiner Formatdatei (z. B. tabelle.for) (Vorgabe: der erste Typ der Liste)</source>
        <translation>export type from format.for/export.exp, by its name (e.g. Tabellenkalkulation) or by its format file (e.g. tabelle.for) (default: the first type of the list)</translation>
    </message>
    <message>
        <source>Kommentar im Kopf der Exportdatei, höchstens 100 Zeichen (Vorgabe: leer)</source>
        <translation>comment in the head of the export file, at most 100 characters (default: empty)</translation>
    </message>
    <message>
        <source>Option %1 nur zusammen mit --export</source>
        <translation>Option %1 only together with --export</translation>
    </message>
    <message>
        <source>Option --export: Dateiname fehlt</source>
        <translation>Option --export: file name missing</translation>
    </message>
    <message>
        <source>Kein Export Typ</source>
        <translation>No export type</translation>
    </message>
    <message>
        <source>Unbekannter Export Typ : %1</source>
        <translation>Unknown export type : %1</translation>
    </message>
    <message>
        <source>%1
Export Typen in export.exp: %2</source>
        <translation>%1
Export types in export.exp: %2</translation>
    </message>
    <message>
        <source>Hersteller:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Gerät:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>Kennung:</source>
        <translation>Identifier:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Zusatz:</source>
        <translation>Supplement:</translation>
    </message>
    <message>
        <source>Firmware-Generation:</source>
        <translation>Firmware generation:</translation>
    </message>
    <message>
        <source>neu (ab April 1997)</source>
        <translation>new (from April 1997)</translation>
    </message>
    <message>
        <source>alt (bis März 1997)</source>
        <translation>old (up to March 1997)</translation>
    </message>
    <message>
        <source>Identifikation und Firmware-Generation des Geräts ausgeben</source>
        <translation>print the instrument&apos;s identification and firmware generation</translation>
    </message>
    <message>
        <source>eine Konfigurationsdatei (.cfg) in das Gerät übertragen</source>
        <translation>transfer a configuration file (.cfg) into the instrument</translation>
    </message>
    <message>
        <source>auch die Datalogger-Einstellungen und Messprogrammnamen übertragen; der Datenlogger wird dabei gelöscht (Vorgabe: nicht übertragen, sie werden vom Gerät gelesen)</source>
        <translation>also transfer the datalogger settings and measurement program names; the datalogger is cleared then (default: not transferred, they are read from the instrument)</translation>
    </message>
    <message>
        <source>Befehl measure: Anzahl der Messwerte (1-%1) erwartet statt %2</source>
        <translation>Command measure: number of values (1-%1) expected instead of %2</translation>
    </message>
    <message>
        <source>Option --timeout: Sekunden (1-%1) erwartet statt %2</source>
        <translation>Option --timeout: seconds (1-%1) expected instead of %2</translation>
    </message>
    <message>
        <source>Die Messwerte können nicht gespeichert werden: Messwerte werden nur in der Anzeige des Widerstands gespeichert.</source>
        <translation>The measured values cannot be stored: measured values are stored only while the resistance is displayed.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei : %1
Die letzten Messwerte fehlen möglicherweise.</source>
        <translation>Error writing the file : %1
The last measured values may be missing.</translation>
    </message>
    <message>
        <source>Das Gerät hat %1 s lang keinen Messwert geliefert. Die Messung wurde beendet.</source>
        <translation>The instrument delivered no value for %1 s. The measurement was ended.</translation>
    </message>
    <message>
        <source>Messwert lesen</source>
        <translation>Reading the measured value</translation>
    </message>
    <message>
        <source>Die Messung wurde wegen %1 beendet (Messung mit induktiver Last).</source>
        <translation>The measurement was ended because of %1 (measurement with inductive load).</translation>
    </message>
    <message>
        <source>Meldung :</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>Kein Messwert: %1</source>
        <translation>No measured value: %1</translation>
    </message>
    <message>
        <source>N Messwerte messen wie im Messfenster und ausgeben, einen je Zeile; bei Einzelmessung (Dauermessung aus) wird nach jedem Wert neu gestartet, die Einstellungen des Geräts bleiben, wie sie sind</source>
        <translation>measure N values as the measure panel does and print them, one a line; in single measurement (continuous measurement off) the measurement is started again after each value, the instrument&apos;s settings stay as they are</translation>
    </message>
    <message>
        <source>die Messwerte auch in diese Exportdatei schreiben, wie mit &quot;Messwerte speichern&quot;; eine vorhandene Datei wird überschrieben; nur in der Anzeige des Widerstands (Vorgabe: keine Exportdatei)</source>
        <translation>also write the values into this export file, as &quot;Store values&quot; does; an existing file is overwritten; only while the resistance is displayed (default: no export file)</translation>
    </message>
    <message>
        <source>SEKUNDEN</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Abbruch mit Fehler, wenn so lange kein Messwert kommt (Vorgabe: %1)</source>
        <translation>stop with an error when no value comes for this long (default: %1)</translation>
    </message>
    <message>
        <source>eine Backup-Datei (.bak) in die gespeicherten Geräteeinstellungen 0-31 übertragen</source>
        <translation>transfer a backup file (.bak) into the stored instrument settings 0-31</translation>
    </message>
    <message>
        <source>auch die Datalogger-Einstellungen und Messprogrammnamen übertragen; der Datenlogger wird dabei gelöscht (Vorgabe: nicht übertragen)</source>
        <translation>also transfer the datalogger settings and measurement program names; the datalogger is cleared then (default: not transferred)</translation>
    </message>
    <message>
        <source>die Einstellungen des Geräts lesen und in eine Konfigurationsdatei (.cfg) speichern</source>
        <translation>read the instrument&apos;s settings and save them into a configuration file (.cfg)</translation>
    </message>
    <message>
        <source>Keine Schnittstelle eingestellt: %1 fehlt.
Bitte die Schnittstelle im Programm einstellen oder --port, --gpib oder --simulate angeben.</source>
        <translation>No interface set: %1 is missing.
Please set the interface in the program or give --port, --gpib or --simulate.</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Std.Abweichung</source>
        <translation>Std. deviation</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Es wurden %1 von %2 Werten gelesen.</source>
        <translation>%1 of %2 values were read.</translation>
    </message>
    <message>
        <source>Das Auslesen wurde abgebrochen.

%1</source>
        <translation>The read-out was cancelled.

%1</translation>
    </message>
    <message>
        <source>Datalogger auslesen, %1</source>
        <translation>Reading out the datalogger, %1</translation>
    </message>
    <message>
        <source>Das Gerät hat auf &quot;%1&quot; keine gültige Antwort gegeben%2.
Das Auslesen wurde beendet.

%3</source>
        <translation>The instrument gave no valid answer to &quot;%1&quot;%2.
The read-out was ended.

%3</translation>
    </message>
    <message>
        <source> (Fehler %1)</source>
        <translation> (error %1)</translation>
    </message>
    <message>
        <source>Es ist kein gültiger Datalogger-Block gewählt.</source>
        <translation>No valid datalogger block is chosen.</translation>
    </message>
    <message>
        <source>Datalogger-Block wählen</source>
        <translation>Choosing the datalogger block</translation>
    </message>
    <message>
        <source>Auswahl nicht zulässig 
&apos;von&apos; muss keiner sein als &apos;bis&apos;</source>
        <translation>Selection not allowed 
&apos;from&apos; must be smaller than &apos;to&apos;</translation>
    </message>
    <message>
        <source>Dezimal-Trenner und Spalten-Trenner müssen je genau ein Zeichen sein.</source>
        <translation>Decimal separator and column separator must each be exactly one character.</translation>
    </message>
    <message>
        <source>Dezimal-Trenner und Spalten-Trenner müssen verschieden sein.</source>
        <translation>Decimal separator and column separator must differ.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei : %1
Der Export ist unvollständig.</source>
        <translation>Error writing the file : %1
The export is incomplete.</translation>
    </message>
    <message>
        <source>Daten exportieren</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Eingabe Kommentar</source>
        <translation>Enter comment</translation>
    </message>
    <message>
        <source>Geben Sie bitte den Kommentar ein</source>
        <translation>Please enter the comment</translation>
    </message>
    <message>
        <source>Zu viele Export Type</source>
        <translation>Too many export types</translation>
    </message>
    <message>
        <source>Das Projektverzeichnis %1 kann nicht angelegt oder beschrieben werden.</source>
        <translation>The project directory %1 cannot be created or written.</translation>
    </message>
    <message>
        <source>Kann Datei : %1 nicht öffnnen</source>
        <translation>Cannot open file : %1</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei : %1
Die Datei wurde nicht gespeichert, eine frühere Fassung bleibt erhalten.</source>
        <translation>Error writing the file : %1
The file was not saved; an earlier version is kept.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Datei : %1
Es wurde nichts geladen.</source>
        <translation>Error reading the file : %1
Nothing was loaded.</translation>
    </message>
    <message>
        <source>Die Datei : %1 ist keine vollständige %2.
Eine %2 ist genau %3 Bytes lang.
Es wurde nichts geladen.</source>
        <translation>The file : %1 is not a complete %2.
A %2 is exactly %3 bytes long.
Nothing was loaded.</translation>
    </message>
    <message>
        <source>Der Tarvolux Typ 7416 meldet nach %1 Sekunden immer noch eine laufende Messung.
Bitte die Messung am Gerät beenden.</source>
        <translation>After %1 seconds the Tarvolux Typ 7416 still reports a running measurement.
Please end the measurement at the instrument.</translation>
    </message>
    <message>
        <source>Keine Antwort vom Tarvolux Typ 7416 auf die Statusabfrage (Fehler %1).
%2
Datenübertragungskabel OK ?</source>
        <translation>No answer from the Tarvolux Typ 7416 to the status query (error %1).
%2
Data cable OK ?</translation>
    </message>
    <message>
        <source>Kann keinen Speicher zuweisen</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>%1
Schritt: %2
Fehler %3: %4

Bitte Verbindung zum Tarvolux Typ 7416 prüfen.</source>
        <translation>%1
Step: %2
Error %3: %4

Please check the connection to the Tarvolux Typ 7416.</translation>
    </message>
    <message>
        <source>Die Übertragung der Geräteeinstellungen wurde abgebrochen.</source>
        <translation>The transfer of the instrument settings was aborted.</translation>
    </message>
    <message>
        <source>Keine Antwort vom Tarvolux Typ 7416.</source>
        <translation>No answer from the Tarvolux Typ 7416.</translation>
    </message>
    <message>
        <source>%1
Fehler %2: %3</source>
        <translation>%1
Error %2: %3</translation>
    </message>
    <message>
        <source>Messbereich lesen</source>
        <translation>Reading the range</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei : %1
Die Speicherung der Messwerte wurde ausgeschaltet.
Alle Werte bis zum vorigen sind in der Datei.</source>
        <translation>Error writing the file : %1
Storing the measured values was switched off.
All values up to the previous one are in the file.</translation>
    </message>
    <message>
        <source>Datalogger-Zustand lesen</source>
        <translation>Reading the datalogger state</translation>
    </message>
    <message>
        <source>Datalogger-Belegung lesen</source>
        <translation>Reading the datalogger fill</translation>
    </message>
    <message>
        <source>Hüllkurven-Bericht lesen</source>
        <translation>Reading the envelope report</translation>
    </message>
    <message>
        <source>Komparator-Zähler lesen</source>
        <translation>Reading the comparator counts</translation>
    </message>
    <message>
        <source>Die Messung konnte nicht gestartet werden.</source>
        <translation>The measurement could not be started.</translation>
    </message>
    <message>
        <source>Die Speicherung der Messwerte wurde beendet: Messwerte werden nur in der Anzeige des Widerstands gespeichert.</source>
        <translation>Storing the measured values has ended: measured values are stored only while the resistance is displayed.</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>Ending the measurement</translation>
    </message>
    <message>
        <source>Die Messung wurde nicht ordnungsgemäß beendet.</source>
        <translation>The measurement was not ended properly.</translation>
    </message>
    <message>
        <source>Die Ergebnisse der Messung wurden nicht gelesen.</source>
        <translation>The results of the measurement were not read.</translation>
    </message>
    <message>
        <source>T-Komp.Error</source>
        <translation>T-Comp.Error</translation>
    </message>
    <message>
        <source>U-KabelError</source>
        <translation>U-CableError</translation>
    </message>
    <message>
        <source>I-Osiz.Error</source>
        <translation>I-Osc.Error</translation>
    </message>
    <message>
        <source>Untersteuert</source>
        <translation>Underrange</translation>
    </message>
    <message>
        <source>Übersteuert</source>
        <translation>Overrange</translation>
    </message>
    <message>
        <source>I-Over</source>
        <translation>I-Over</translation>
    </message>
    <message>
        <source>Mess I-Over</source>
        <translation>Meas I-Over</translation>
    </message>
    <message>
        <source>Mess U-Over</source>
        <translation>Meas U-Over</translation>
    </message>
    <message>
        <source>Ref.Mess.</source>
        <translation>Ref.Meas.</translation>
    </message>
    <message>
        <source>Lese Geräteeinstellung Nr.</source>
        <translation>Reading instrument setting no.</translation>
    </message>
    <message>
        <source>Schreibe Geräteeinstellung Nr.</source>
        <translation>Writing instrument setting no.</translation>
    </message>
    <message>
        <source>Frage :</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Datenlogger-Kapazität</source>
        <translation>Datalogger capacity</translation>
    </message>
    <message>
        <source>Größe des Datenlogger-Blocks</source>
        <translation>Size of datalogger block</translation>
    </message>
    <message>
        <source>Name des Datenlogger-Blocks</source>
        <translation>Name of datalogger block</translation>
    </message>
    <message>
        <source>Filter des Datenlogger-Blocks</source>
        <translation>Filter of datalogger block</translation>
    </message>
    <message>
        <source>Name des Einstellungsspeichers</source>
        <translation>Name of settings memory</translation>
    </message>
    <message>
        <source>Löschen des Datenlogger-Blocks</source>
        <translation>Clearing datalogger block</translation>
    </message>
    <message>
        <source>Aktiven Datalogger-Block wählen</source>
        <translation>Choosing the active datalogger block</translation>
    </message>
    <message>
        <source>Beschriftung ändern</source>
        <translation>Change label</translation>
    </message>
    <message>
        <source>Der aktuelle Name von diesem Block ist : 

%1

Ändern Sie diesen Namen indem Sie das neue Text eingeben
Bitte keine Leerzeichen eingegeben.

Drücken Sie &lt;ESC&gt; zum Abbruch.</source>
        <translation>The current name of this block is : 

%1

Change this name by entering the new text
Please enter no blanks.

Press &lt;ESC&gt; to cancel.</translation>
    </message>
    <message>
        <source>Blockname senden</source>
        <translation>Sending the block name</translation>
    </message>
    <message>
        <source>Blockname lesen</source>
        <translation>Reading the block name</translation>
    </message>
    <message>
        <source>Die aktuelle Größe des Blocks ist: 

%1

Verfügbarer Speicher ist:

%2

Ändern Sie diese Größe indem Sie die neue Größe eingeben.

Drücken Sie &lt;ESC&gt; zum Abbruch</source>
        <translation>The current size of the block is: 

%1

Available memory is:

%2

Change this size by entering the new size.

Press &lt;ESC&gt; to cancel</translation>
    </message>
    <message>
        <source>Change Block Size</source>
        <translation>Change Block Size</translation>
    </message>
    <message>
        <source>Ungültige Blockgröße &quot;%1&quot;: erlaubt ist eine ganze Zahl von 0 bis 20000.

Es wird nicht geändert.</source>
        <translation>Invalid block size &quot;%1&quot;: a whole number from 0 to 20000 is allowed.

Nothing is changed.</translation>
    </message>
    <message>
        <source>Wert zu klein

Es wird nicht geändert.</source>
        <translation>Value too small

Nothing is changed.</translation>
    </message>
    <message>
        <source>Kein Speicher mehr frei

Es wird nicht geändert.</source>
        <translation>No memory left

Nothing is changed.</translation>
    </message>
    <message>
        <source>Blockgröße senden</source>
        <translation>Sending the block size</translation>
    </message>
    <message>
        <source>Blockgröße lesen</source>
        <translation>Reading the block size</translation>
    </message>
    <message>
        <source>Das Gerät hat die Blockgröße %1 nicht angenommen.

Es wird nicht geändert.</source>
        <translation>The instrument did not accept the block size %1.

Nothing is changed.</translation>
    </message>
    <message>
        <source>Keine Antwort vom Tarvolux Typ 7416 auf den Befehl zum Beenden der Messung (Fehler %1).
Die Geräteeinstellungen wurden nicht gelesen.
Datenübertragungskabel OK ?</source>
        <translation>No answer from the Tarvolux Typ 7416 to the command that ends the measurement (error %1).
The instrument settings were not read.
Data cable OK ?</translation>
    </message>
    <message>
        <source>Die Geräteeinstellungen wurden nicht gelesen.</source>
        <translation>The instrument settings were not read.</translation>
    </message>
    <message>
        <source>Keine Verbindung zum Tarvolux Typ 7416.
Fehler evtl. bei den Schnittstelleneinstellungen ?
Datenübertragungskabel OK ?</source>
        <translation>No connection to the Tarvolux Typ 7416.
Perhaps an error in the interface settings ?
Data cable OK ?</translation>
    </message>
    <message>
        <source>Messwert in mOhm</source>
        <translation>Value in mOhm</translation>
    </message>
    <message>
        <source>Messwert in kOhm</source>
        <translation>Value in kOhm</translation>
    </message>
    <message>
        <source>Messwert in Ohm</source>
        <translation>Value in ohms</translation>
    </message>
    <message>
        <source>Grenzen sind inconsistent.

Bitte Grenze Eingabe ändern

Grenzwert &apos;&gt;&gt;&apos; &gt; Grenzwert &apos;&gt;&apos;,
Grenzwert &apos;&gt;&apos; &gt; Grenzwert &apos;&lt;&apos;

usw.</source>
        <translation>The limits are inconsistent.

Please change the limits entered

limit &apos;&gt;&gt;&apos; &gt; limit &apos;&gt;&apos;,
limit &apos;&gt;&apos; &gt; limit &apos;&lt;&apos;

etc.</translation>
    </message>
    <message>
        <source>Grenzen sind inconsistent.

Bitte Grenze Eingabe ändern

Grenzwert &apos;&gt;&apos; &gt; Grenzwert &apos;&lt;&apos;</source>
        <translation>The limits are inconsistent.

Please change the limits entered

limit &apos;&gt;&apos; &gt; limit &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>Automatischer Bereichswahl und Induktive Messung ist nicht erlaubt</source>
        <translation>Automatic range selection and inductive measurement is not allowed</translation>
    </message>
    <message>
        <source>Automatischer Bereichswahl und 20mV Begrenzung ist nicht erlaubt</source>
        <translation>Automatic range selection and 20mV limit is not allowed</translation>
    </message>
    <message>
        <source>Induktive Messung und 20mV Begrenzung ist nicht erlaubt</source>
        <translation>Inductive measurement and 20mV limit is not allowed</translation>
    </message>
    <message>
        <source>Automatischer Bereichswahl und &apos;Mess-Sequenze = Referenz&apos; is not allowed</source>
        <translation>Automatic range selection and &apos;measurement sequence = reference&apos; is not allowed</translation>
    </message>
    <message>
        <source>7416-Fehler: %1 %2</source>
        <translation>7416 error: %1 %2</translation>
    </message>
    <message>
        <source>Auto-Range Min &gt;= Max ist nicht erlaubt</source>
        <translation>Auto-range min &gt;= max is not allowed</translation>
    </message>
    <message>
        <source>Backup-Datei laden</source>
        <translation>Load backup file</translation>
    </message>
    <message>
        <source>Aufrufen des Einstellungsspeichers %1</source>
        <translation>Recalling settings memory %1</translation>
    </message>
    <message>
        <source>Speichern in Einstellungsspeicher %1</source>
        <translation>Storing into settings memory %1</translation>
    </message>
    <message>
        <source>Speichern der Konfiguration</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Laden der Konfiguration</source>
        <translation>Load configuration</translation>
    </message>
    <message>
        <source>Backup-Datei erstellen</source>
        <translation>Create backup file</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wollen Sie die Konfiguration in das Gerät übertragen?</source>
        <translation>Do you want to transfer the configuration into the instrument?</translation>
    </message>
    <message>
        <source>Konfigurationsdatei</source>
        <translation>configuration file</translation>
    </message>
    <message>
        <source>Backup-Datei</source>
        <translation>backup file</translation>
    </message>
    <message>
        <source>Temperaturkoeffizient %1</source>
        <translation>Temperature coefficient %1</translation>
    </message>
    <message>
        <source>Aktiver Datenlogger-Block</source>
        <translation>Active datalogger block</translation>
    </message>
    <message>
        <source>Datenlogger Ein/Aus</source>
        <translation>Datalogger on/off</translation>
    </message>
    <message>
        <source>Komparator-Modus</source>
        <translation>Comparator mode</translation>
    </message>
    <message>
        <source>Anzahl der Komparatorgrenzen</source>
        <translation>Number of comparator limits</translation>
    </message>
    <message>
        <source>Komparatorgrenzen</source>
        <translation>Comparator limits</translation>
    </message>
    <message>
        <source>Komparatorzähler</source>
        <translation>Comparator counts</translation>
    </message>
    <message>
        <source>Hüllkurve Ein/Aus</source>
        <translation>Envelope on/off</translation>
    </message>
    <message>
        <source>Hüllkurven-Bericht</source>
        <translation>Envelope report</translation>
    </message>
    <message>
        <source>Temperaturkompensation</source>
        <translation>Temperature compensation</translation>
    </message>
    <message>
        <source>PT100-Skalierung</source>
        <translation>PT100 scaling</translation>
    </message>
    <message>
        <source>Skalierung Spannungseingang</source>
        <translation>Voltage input scaling</translation>
    </message>
    <message>
        <source>Skalierung Stromeingang</source>
        <translation>Current input scaling</translation>
    </message>
    <message>
        <source>Aktiver Temperaturkoeffizient</source>
        <translation>Active temperature coefficient</translation>
    </message>
    <message>
        <source>Druckereinstellungen</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>Messkonfiguration</source>
        <translation>Measurement configuration</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Grenzen der automatischen Bereichswahl</source>
        <translation>Limits of the automatic range selection</translation>
    </message>
    <message>
        <source>Anzeigemodus</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>Gerätezugriff</source>
        <translation>Instrument access</translation>
    </message>
    <message>
        <source>Gelöscht</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Übertragen der geladenen Einstellungen</source>
        <translation>Transferring the loaded settings</translation>
    </message>
    <message>
        <source>Sollen sämtliche Datalogger Einstellungen und die Messprogrammnamen auch übertragen werden?

Achtung : Der Datenlogger wird dann gelöscht!</source>
        <translation>Shall all datalogger settings and the measurement program names be transferred as well?

Attention : The datalogger is cleared then!</translation>
    </message>
    <message>
        <source>Der Text &quot;%1&quot; kann nicht übertragen werden:
%2</source>
        <translation>The text &quot;%1&quot; cannot be transferred:
%2</translation>
    </message>
    <message>
        <source>Er enthält Zeichen, die das Gerät nicht darstellen kann.</source>
        <translation>It holds characters the instrument cannot show.</translation>
    </message>
    <message>
        <source>Komma und Semikolon sind nicht erlaubt.</source>
        <translation>Comma and semicolon are not allowed.</translation>
    </message>
    <message>
        <source>Steuerzeichen sind nicht erlaubt.</source>
        <translation>Control characters are not allowed.</translation>
    </message>
    <message>
        <source>Er ist länger als %1 Zeichen.</source>
        <translation>It is longer than %1 characters.</translation>
    </message>
    <message>
        <source>Aufruf: zk7416-scpi [Schnittstelle] [Optionen] [BEFEHL ...]

Schnittstelle:
  --port N          RS-232 an COM N (1-4; Gerät über $ZK7416_COM&lt;N&gt;)
  --baud B          Baudrate (1200-38400, Vorgabe 9600)
  --timeout S       Zeitlimit in Sekunden (RS-232, Vorgabe 10)
  --gpib ADR        GPIB-Adresse (0-30; Bibliothek über $ZK7416_GPIB_LIBRARY)
  --simulate[=rs232|gpib]  das eingebaute simulierte Gerät benutzen
Optionen:
  --reset           Gerät beim Verbinden zurücksetzen (*RST)
  --measure N       Messung starten, N Messwerte lesen und ausgeben, Messung
                    beenden (Zeitlimit je Messwert: --timeout)
  --verbose         Identifikation nach dem Verbinden ausgeben
  --language en|de  Sprache der Hilfe und der Meldungen (Vorgabe:
                    $OHM7416_LANGUAGE, sonst de)
  --help            diese Hilfe

Jeder BEFEHL wird gesendet; endet er auf &apos;?&apos;, wird die Antwort ausgegeben.
Ohne BEFEHL (und ohne --measure) werden Zeilen von der Standardeingabe gelesen.
</source>
        <translation>Usage: zk7416-scpi [interface] [options] [COMMAND ...]

Interface:
  --port N          RS-232 on COM N (1-4; device from $ZK7416_COM&lt;N&gt;)
  --baud B          baud rate (1200-38400, default 9600)
  --timeout S       time limit in seconds (RS-232, default 10)
  --gpib ADR        GPIB address (0-30; library from $ZK7416_GPIB_LIBRARY)
  --simulate[=rs232|gpib]  use the built-in simulated instrument
Options:
  --reset           reset the instrument when connecting (*RST)
  --measure N       start measuring, read and print N values, end the
                    measurement (time limit per value: --timeout)
  --verbose         print the identification after connecting
  --language en|de  language of the help and the messages (default:
                    $OHM7416_LANGUAGE, else de)
  --help            this help

Each COMMAND is sent; when it ends in &apos;?&apos;, the answer is printed.
Without a COMMAND (and without --measure) lines are read from standard input.
</translation>
    </message>
    <message>
        <source>%1: Zahl erwartet</source>
        <translation>%1: number expected</translation>
    </message>
    <message>
        <source>--measure: Anzahl ab 1 erwartet</source>
        <translation>--measure: a count from 1 on expected</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Die GPIB-Simulationsbibliothek wurde nicht gefunden.</source>
        <translation>The GPIB simulation library was not found.</translation>
    </message>
    <message>
        <source>Das simulierte Gerät konnte nicht gestartet werden:
%1</source>
        <translation>The simulated instrument could not be started:
%1</translation>
    </message>
    <message>
        <source>Kein Messwert innerhalb von %1 s erhalten - Messung abgebrochen.</source>
        <translation>No measured value received within %1 s - measurement aborted.</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Starting the measurement</translation>
    </message>
    <message>
        <source>Keine Verbindung zum Tarvolux Typ 7416</source>
        <translation>No connection to the Tarvolux Typ 7416</translation>
    </message>
    <message>
        <source>verbunden: %1</source>
        <translation>connected: %1</translation>
    </message>
    <message>
        <source>(abgebrochen)</source>
        <translation>(cancelled)</translation>
    </message>
    <message>
        <source>Option --language: de oder en erwartet statt %1</source>
        <translation>Option --language: de or en expected instead of %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>The printer could not be started.</translation>
    </message>
    <message>
        <source>Grafik als Bild speichern</source>
        <translation>Save graph as image</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei : %1</source>
        <translation>Error writing the file : %1</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>keine freie Verbindung oder GPIB-Gerät nicht zu öffnen</source>
        <translation>no free connection, or the GPIB device cannot be opened</translation>
    </message>
    <message>
        <source>Verbindung war nicht offen</source>
        <translation>connection was not open</translation>
    </message>
    <message>
        <source>GPIB Device Clear fehlgeschlagen</source>
        <translation>GPIB Device Clear failed</translation>
    </message>
    <message>
        <source>Senden des Befehls fehlgeschlagen</source>
        <translation>sending the command failed</translation>
    </message>
    <message>
        <source>Lesen der Antwort fehlgeschlagen (Zeitüberschreitung?)</source>
        <translation>reading the answer failed (time-out?)</translation>
    </message>
    <message>
        <source>kein GPIB-Gerät geöffnet</source>
        <translation>no GPIB device open</translation>
    </message>
    <message>
        <source>Setzen der GPIB-Adresse fehlgeschlagen</source>
        <translation>setting the GPIB address failed</translation>
    </message>
    <message>
        <source>GPIB Go-To-Local fehlgeschlagen</source>
        <translation>GPIB Go-To-Local failed</translation>
    </message>
    <message>
        <source>Setzen des GPIB-Endezeichens fehlgeschlagen</source>
        <translation>setting the GPIB end character failed</translation>
    </message>
    <message>
        <source>Gerät hat den Befehl nicht angenommen (NAK)</source>
        <translation>instrument did not accept the command (NAK)</translation>
    </message>
    <message>
        <source>Gerät hat nichts zu senden (EOT)</source>
        <translation>instrument has nothing to send (EOT)</translation>
    </message>
    <message>
        <source>Gerät misst nicht</source>
        <translation>instrument is not measuring</translation>
    </message>
    <message>
        <source>keine Bedienungsanforderung (SRQ) vom Gerät</source>
        <translation>no service request (SRQ) from the instrument</translation>
    </message>
    <message>
        <source>Serial Poll fehlgeschlagen</source>
        <translation>serial poll failed</translation>
    </message>
    <message>
        <source>Gerät hat die Komparatorgrenzen nicht angenommen</source>
        <translation>instrument did not accept the comparator limits</translation>
    </message>
    <message>
        <source>Argument außerhalb des zulässigen Bereichs oder serielle Schnittstelle nicht offen</source>
        <translation>argument out of range, or serial port not open</translation>
    </message>
    <message>
        <source>ungültige Nummer der seriellen Schnittstelle</source>
        <translation>invalid serial port number</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler der seriellen Schnittstelle</source>
        <translation>input/output error on the serial port</translation>
    </message>
    <message>
        <source>serielle Schnittstelle nicht zu öffnen</source>
        <translation>serial port cannot be opened</translation>
    </message>
    <message>
        <source>serielle Schnittstelle wird schon benutzt</source>
        <translation>serial port already in use</translation>
    </message>
    <message>
        <source>ungültige Einstellung der seriellen Schnittstelle</source>
        <translation>invalid serial port setting</translation>
    </message>
    <message>
        <source>Baudrate wird nicht unterstützt</source>
        <translation>baud rate not supported</translation>
    </message>
    <message>
        <source>Zeitüberschreitung an der seriellen Schnittstelle</source>
        <translation>time-out on the serial port</translation>
    </message>
    <message>
        <source>Argument außerhalb des zulässigen Bereichs</source>
        <translation>argument out of range</translation>
    </message>
    <message>
        <source>Fehler der seriellen Schnittstelle</source>
        <translation>serial port error</translation>
    </message>
    <message>
        <source>Fehlernummer des Geräts</source>
        <translation>instrument&apos;s error number</translation>
    </message>
    <message>
        <source>COM%1 ist durch ZK7416_COM%1 festgelegt.</source>
        <translation>COM%1 is fixed by ZK7416_COM%1.</translation>
    </message>
    <message>
        <source>COM%1 wird über die oben gewählte Gerätedatei angesprochen.</source>
        <translation>COM%1 is reached through the device file chosen above.</translation>
    </message>
    <message>
        <source>Schnittstellen Einstellungen</source>
        <translation>Interface settings</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Schnittstelle aus</source>
        <translation>Please choose the interface</translation>
    </message>
    <message>
        <source>Seriell (RS232)</source>
        <translation>Serial (RS232)</translation>
    </message>
    <message>
        <source>GPIB    (488.2)</source>
        <translation>GPIB    (488.2)</translation>
    </message>
    <message>
        <source>In dieser Version noch nicht verfügbar</source>
        <translation>Not available in this version yet</translation>
    </message>
    <message>
        <source>GPIB, Adresse %1</source>
        <translation>GPIB, address %1</translation>
    </message>
    <message>
        <source>Verbunden über %1</source>
        <translation>Connected through %1</translation>
    </message>
    <message>
        <source>Wollen Sie das Programm beenden</source>
        <translation>Do you want to quit the program</translation>
    </message>
    <message>
        <source>Datalogger-Filter senden</source>
        <translation>Sending the datalogger filter</translation>
    </message>
    <message>
        <source>Der Filter wurde nicht übernommen (Fehler %1: %2).

%3</source>
        <translation>The filter was not accepted (error %1: %2).

%3</translation>
    </message>
    <message>
        <source>Angezeigt wird wieder die Einstellung des Geräts.</source>
        <translation>The instrument&apos;s setting is shown again.</translation>
    </message>
    <message>
        <source>Die Einstellung des Geräts konnte nicht gelesen werden.</source>
        <translation>The instrument&apos;s setting could not be read.</translation>
    </message>
    <message>
        <source>Bitte löschen bestätigen</source>
        <translation>Please confirm the deletion</translation>
    </message>
    <message>
        <source>Block löschen?</source>
        <translation>Delete the block?</translation>
    </message>
    <message>
        <source>Datalogger-Block löschen</source>
        <translation>Deleting the datalogger block</translation>
    </message>
    <message>
        <source>Datalogger ein- oder ausschalten</source>
        <translation>Switching the datalogger on or off</translation>
    </message>
    <message>
        <source>Statistik %1   %2</source>
        <translation>Statistics %1   %2</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Achtung:

Sie geben Zugriff auf das Kalibriermenu.</source>
        <translation>Attention:

You are giving access to the calibration menu.</translation>
    </message>
    <message>
        <source>Daten des Komparator löschen?</source>
        <translation>Clear the comparator data?</translation>
    </message>
    <message>
        <source>Komparatorzähler löschen</source>
        <translation>Clearing the comparator counts</translation>
    </message>
    <message>
        <source>Das Gerät hat die Grenzwerte nicht angenommen.

Bitte Grenze Eingabe ändern</source>
        <translation>The instrument did not accept the limits.

Please change the limits entered</translation>
    </message>
    <message>
        <source>Das Gerät hat den Befehl nicht ausgeführt.
Schritt: %1
Fehler %2: %3</source>
        <translation>The instrument did not carry out the command.
Step: %1
Error %2: %3</translation>
    </message>
    <message>
        <source>Mess-Sequenz: Referenz (REFC)</source>
        <translation>Measurement sequence: reference (REFC)</translation>
    </message>
    <message>
        <source>Mess-Sequenz: Ohne Kompensation (NONC)</source>
        <translation>Measurement sequence: without compensation (NONC)</translation>
    </message>
    <message>
        <source>Mess-Sequenz: Einfache Kompensation (ONEC)</source>
        <translation>Measurement sequence: simple compensation (ONEC)</translation>
    </message>
    <message>
        <source>Mess-Sequenz: Standard (STAN)</source>
        <translation>Measurement sequence: standard (STAN)</translation>
    </message>
    <message>
        <source>Beschriftung schreiben</source>
        <translation>Writing the label</translation>
    </message>
    <message>
        <source>Beschriftung lesen</source>
        <translation>Reading the label</translation>
    </message>
    <message>
        <source>Einstellungen aktivieren</source>
        <translation>Recalling the settings</translation>
    </message>
    <message>
        <source>Die Einstellungen vom Block &apos;%1&apos; sind aktiviert</source>
        <translation>The settings of block &apos;%1&apos; are recalled</translation>
    </message>
    <message>
        <source>Der Default Block kann nicht verändert werden</source>
        <translation>The default block cannot be changed</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Storing the settings</translation>
    </message>
    <message>
        <source>Die aktuellen Einstellungen sind im Block &apos;%1&apos; gespeichert</source>
        <translation>The current settings are stored in block &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Sie können den seriellen Drucker während der Kommunikation mit dem PC nicht verwenden</source>
        <translation>You cannot use the serial printer while the instrument communicates with the PC</translation>
    </message>
    <message>
        <source>Reset Drucker Zähler?</source>
        <translation>Reset the printer counter?</translation>
    </message>
    <message>
        <source>Druckerzähler</source>
        <translation>Printer counter</translation>
    </message>
    <message>
        <source>Drucker Ein/Aus</source>
        <translation>Printer on/off</translation>
    </message>
    <message>
        <source>Der Temperaturkoeffizient in diesem Register ist

%1

Ändern Sie diesen Koeffizienten, indem Sie den neuen Wert eingeben.

Drücken Sie &lt;ESC&gt; zum Abbruch</source>
        <translation>The temperature coefficient in this register is

%1

Change this coefficient by entering the new value.

Press &lt;ESC&gt; to cancel</translation>
    </message>
    <message>
        <source>Den Temperaturkoeffizient ändern</source>
        <translation>Change the temperature coefficient</translation>
    </message>
    <message>
        <source>Die Eingabe &apos;%1&apos; ist keine Zahl.

Es sind keine Änderungen getätigt.</source>
        <translation>The input &apos;%1&apos; is not a number.

No changes were made.</translation>
    </message>
    <message>
        <source>Der Wert muss zwischen -99,999 und 99,999 sein.

Es sind keine Änderungen getätigt.</source>
        <translation>The value must lie between -99,999 and 99,999.

No changes were made.</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Leerzeichen</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>Unzulässige Dateierweiterung.Beispiel : &lt;.txt&gt;</source>
        <translation>Invalid file extension. Example : &lt;.txt&gt;</translation>
    </message>
    <message>
        <source>Messung läuft</source>
        <translation>Measurement running</translation>
    </message>
    <message>
        <source>Änderungen können nicht gemacht werden während das Gerät im Messmode ist</source>
        <translation>No changes can be made while the instrument is measuring</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Spannungseingang</source>
        <translation>Voltage input</translation>
    </message>
    <message>
        <source>Stromeingang</source>
        <translation>Current input</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Widerstand</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Abweichung</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Induktiv</source>
        <translation>Inductive</translation>
    </message>
    <message>
        <source>20 mV Begrenzung</source>
        <translation>20 mV limit</translation>
    </message>
    <message>
        <source>Man.Temp.</source>
        <translation>Man.temp.</translation>
    </message>
    <message>
        <source>Mess.Temp.</source>
        <translation>Meas.temp.</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measuring</translation>
    </message>
    <message>
        <source>Nr. %1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>Spannweite</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>%1 Programm</source>
        <translation>%1, program</translation>
    </message>
    <message>
        <source>%1 Gerät</source>
        <translation>%1, instrument</translation>
    </message>
    <message>
        <source>%1 Differenz</source>
        <translation>%1, difference</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Statistik und Histogramm</source>
        <translation>Statistics and histogram</translation>
    </message>
    <message>
        <source>Statistik und Histogramm zeigen</source>
        <translation>Show statistics and histogram</translation>
    </message>
    <message>
        <source>Statistik beim Stopp anhängen</source>
        <translation>Append statistics at stop</translation>
    </message>
    <message>
        <source>Als CSV speichern</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Messung starten oder beenden (F5)</source>
        <translation>Start or stop the measurement (F5)</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Messwert-Nr.</source>
        <translation>Value no.</translation>
    </message>
    <message>
        <source>Zeit seit Start</source>
        <translation>Time since start</translation>
    </message>
    <message>
        <source>Waagrechte Achse wählen</source>
        <translation>Choose the horizontal axis</translation>
    </message>
    <message>
        <source>Statistik zeigen</source>
        <translation>Show statistics</translation>
    </message>
    <message>
        <source>%1 (%2 s seit Start)</source>
        <translation>%1 (%2 s since start)</translation>
    </message>
    <message>
        <source>Gut</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Statistik zurücksetzen</source>
        <translation>Reset statistics</translation>
    </message>
    <message>
        <source>Histogramm der Werte zeigen</source>
        <translation>Show the histogram of the values</translation>
    </message>
    <message>
        <source>Die Statistik beginnt von vorn</source>
        <translation>Start the statistics over</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Anpassen</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Wertachse an die gezeigten Werte anpassen</source>
        <translation>Fit the value axis to the values shown</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Vergrößern; auch Mausrad oder Rechteck mit der rechten Maustaste</source>
        <translation>Zoom in; also the mouse wheel or a rectangle drawn with the right mouse button</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Verkleinern; auch Mausrad</source>
        <translation>Zoom out; also the mouse wheel</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Zurück zu den Achsen der Grafik</source>
        <translation>Back to the graph&apos;s own axes</translation>
    </message>
    <message>
        <source>Daten kopieren</source>
        <translation>Copy data</translation>
    </message>
    <message>
        <source>Die gezeigten Werte in die Zwischenablage kopieren</source>
        <translation>Copy the values shown to the clipboard</translation>
    </message>
    <message>
        <source>Die gezeigten Werte in eine Datei speichern</source>
        <translation>Save the values shown to a file</translation>
    </message>
    <message>
        <source>Mausrad: zoomen (mit Strg nur waagrecht, mit Umschalt nur senkrecht); Ziehen: verschieben; rechte Maustaste oder Umschalt+Ziehen: Rechteck zoomen; Pfeiltasten: Cursor; Strg+Pfeiltasten: verschieben; + und -: zoomen; Esc: Cursor weg</source>
        <translation>Mouse wheel: zoom (with Ctrl horizontally only, with Shift vertically only); drag: pan; right mouse button or Shift+drag: zoom into a rectangle; arrow keys: cursor; Ctrl+arrow keys: pan; + and -: zoom; Esc: remove the cursor</translation>
    </message>
    <message>
        <source>Keine Werte</source>
        <translation>No values</translation>
    </message>
    <message>
        <source>%1 Werte, Klassenbreite %2 %3 (Regel von Scott)</source>
        <translation>%1 values, bin width %2 %3 (Scott&apos;s rule)</translation>
    </message>
    <message>
        <source>Anzahl über %1</source>
        <translation>Count vs. %1</translation>
    </message>
</context>
</TS>
