<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CoverWall</name>
    <message>
        <source>Covers</source>
        <translation>Cover</translation>
    </message>
</context>
<context>
    <name>Facts</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>EntryType</source>
        <translation>Eintragsart</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>CatalogueGenre</source>
        <translation>Katalog-Genre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>AkaTitle</source>
        <translation>Alternativtitel</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Idx</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>UserIdx</source>
        <translation>Eigener Index</translation>
    </message>
    <message>
        <source>ImdbName</source>
        <translation>IMDB-Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Tagline</source>
        <translation>Slogan</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>ImdbGenre</source>
        <translation>IMDB-Genre</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Mpaa</source>
        <translation>Altersfreigabe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>ImdbRating</source>
        <translation>IMDB-Bewertung</translation>
    </message>
    <message>
        <source>ImdbLink</source>
        <translation>IMDB-Adresse</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>NoFiles</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Framerate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>VideoBitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>VideoCodec</source>
        <translation>Video-Codec</translation>
    </message>
    <message>
        <source>AudioBitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>AudioCodec</source>
        <translation>Audio-Codec</translation>
    </message>
    <message>
        <source>AudioChannels</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <source>Samplerate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Erfasst</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Decade</source>
        <translation>Jahrzehnt</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>IMDB rating</source>
        <translation>IMDB-Bewertung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Month entered</source>
        <translation>Monat der Erfassung</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Movie List</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <source>Movie list</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Plakat</translation>
    </message>
    <message>
        <source>Title Information</source>
        <translation>Titelinformation</translation>
    </message>
    <message>
        <source>Title information</source>
        <translation>Titelinformation</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Movie Crew</source>
        <translation>Filmteam</translation>
    </message>
    <message>
        <source>Movie crew</source>
        <translation>Filmteam</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Misc Information</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Misc information</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Video Information</source>
        <translation>Videoinformation</translation>
    </message>
    <message>
        <source>Video information</source>
        <translation>Videoinformation</translation>
    </message>
    <message>
        <source>Audio Information</source>
        <translation>Audioinformation</translation>
    </message>
    <message>
        <source>Audio information</source>
        <translation>Audioinformation</translation>
    </message>
    <message>
        <source>IMDB Rating</source>
        <translation>IMDB-Bewertung</translation>
    </message>
    <message>
        <source>IMDB rating</source>
        <translation>IMDB-Bewertung</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>IMDB</source>
        <translation>IMDB</translation>
    </message>
    <message>
        <source>IMDB title</source>
        <translation>IMDB-Titel</translation>
    </message>
    <message>
        <source>AKA</source>
        <translation>Auch bekannt als</translation>
    </message>
    <message>
        <source>Also known as</source>
        <translation>Auch bekannt als</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Tagline:</source>
        <translation>Slogan:</translation>
    </message>
    <message>
        <source>Tagline</source>
        <translation>Slogan</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>MPPA</source>
        <translation>MPAA</translation>
    </message>
    <message>
        <source>MPAA rating</source>
        <translation>MPAA-Freigabe</translation>
    </message>
    <message>
        <source>IDX:</source>
        <translation>IDX:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>User IDX</source>
        <translation>Eigener IDX</translation>
    </message>
    <message>
        <source>User index</source>
        <translation>Eigener Index</translation>
    </message>
    <message>
        <source>Entry type</source>
        <translation>Eintragsart</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Bewertung:</translation>
    </message>
    <message>
        <source>Reelkeep rating</source>
        <translation>Reelkeep-Bewertung</translation>
    </message>
    <message>
        <source>Runtime:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>Erfasst:</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Erfasst</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Number of files</source>
        <translation>Anzahl der Dateien</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Video codec</source>
        <translation>Video-Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Audio codec</source>
        <translation>Audio-Codec</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Samplerate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>IMDB rating bar</source>
        <translation>IMDB-Bewertungsbalken</translation>
    </message>
</context>
<context>
    <name>MessageTexts</name>
    <message>
        <source>Found: %1 entries.</source>
        <translation>Gefunden: %1 Einträge.</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>Reason: </source>
        <translation>Grund: </translation>
    </message>
    <message>
        <source>Critical Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>Wrong format</source>
        <translation>Falsches Format</translation>
    </message>
    <message>
        <source>Unrecognized fileformat!</source>
        <translation>Unbekanntes Dateiformat!</translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation>So geht es nicht!</translation>
    </message>
    <message>
        <source>Can&apos;t find database, exitting</source>
        <translation>Datenbank nicht gefunden, das Programm endet</translation>
    </message>
    <message>
        <source>Find Reelkeep database (reelkeep.dat)</source>
        <translation>Reelkeep-Datenbank suchen (reelkeep.dat)</translation>
    </message>
    <message>
        <source> entries loaded.</source>
        <translation> Einträge geladen.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>An error occured</source>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>How many parts?</source>
        <translation>Wie viele Teile?</translation>
    </message>
    <message>
        <source>Parts is zero</source>
        <translation>Keine Teile</translation>
    </message>
    <message>
        <source>Copy failed</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to copy picture?</source>
        <translation>Das Bild konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>MMD-files written</source>
        <translation>MMD-Dateien geschrieben</translation>
    </message>
    <message>
        <source>Success!<byte value="xd"/>
Jove files written</source>
        <translation>Erfolg!<byte value="xd"/>
Jove-Dateien geschrieben</translation>
    </message>
    <message>
        <source>About to run Jove Batch Export, Ok?</source>
        <translation>Jove-Stapelexport jetzt starten?</translation>
    </message>
    <message>
        <source>Jove Batch Export</source>
        <translation>Jove-Stapelexport</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Jove Batch</source>
        <translation>Jove-Stapel</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <source>%1 documents written, %2 failed.</source>
        <translation>%1 Dokumente geschrieben, %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The settings could not be saved: their file cannot be written.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: ihre Datei lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>The settings file could not be read, so it was replaced by a new one. The settings just saved are kept; whatever else it held that could not be read is lost.</source>
        <translation>Die Einstellungsdatei war nicht lesbar und wurde durch eine neue ersetzt. Die eben gespeicherten Einstellungen bleiben erhalten; was sie sonst Unlesbares enthielt, ist verloren.</translation>
    </message>
    <message>
        <source>Reelkeep Viewer</source>
        <translation>Reelkeep Viewer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a Reelkeep catalogue (reelkeep.dat) nor a folder holding one. The catalogue saved last opens instead.</source>
        <translation>„%1“ ist weder ein Reelkeep-Katalog (reelkeep.dat) noch ein Ordner, der einen enthält. Stattdessen öffnet sich der zuletzt gespeicherte Katalog.</translation>
    </message>
    <message>
        <source>Select media file, part %1.</source>
        <translation>Mediendatei wählen, Teil %1.</translation>
    </message>
    <message>
        <source>Error %1 (%2) occured.<byte value="xd"/>
<byte value="xd"/>
What do you want to do?</source>
        <translation>Fehler %1 (%2) ist aufgetreten.<byte value="xd"/>
<byte value="xd"/>
Wie soll es weitergehen?</translation>
    </message>
    <message>
        <source>Error %1 (%2) <byte value="xd"/>
when reading %3</source>
        <translation>Fehler %1 (%2) <byte value="xd"/>
beim Lesen von %3</translation>
    </message>
    <message>
        <source>Error: %1 (%2)<byte value="xd"/>
<byte value="xd"/>
What do you want to do?</source>
        <translation>Fehler: %1 (%2)<byte value="xd"/>
<byte value="xd"/>
Wie soll es weitergehen?</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler des Geräts</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>the title has no index</source>
        <translation>der Titel hat keinen Index</translation>
    </message>
    <message>
        <source>no export path is set</source>
        <translation>kein Exportpfad festgelegt</translation>
    </message>
    <message>
        <source>MediaInfo could not be started</source>
        <translation>MediaInfo ließ sich nicht starten</translation>
    </message>
    <message>
        <source>MediaInfo crashed</source>
        <translation>MediaInfo ist abgestürzt</translation>
    </message>
    <message>
        <source>the report could not be saved</source>
        <translation>der Bericht ließ sich nicht speichern</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a plain file name</source>
        <translation>der Index „%1“ ist kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>The document would replace the media file %1</source>
        <translation>Das Dokument würde die Mediendatei %1 ersetzen</translation>
    </message>
    <message>
        <source>MediaInfo did not end within %1 seconds and was stopped</source>
        <translation>MediaInfo endete nicht innerhalb von %1 Sekunden und wurde angehalten</translation>
    </message>
    <message>
        <source>MediaInfo ended with exit code %1 and no report</source>
        <translation>MediaInfo endete mit dem Exit-Code %1 und ohne Bericht</translation>
    </message>
</context>
<context>
    <name>TitleDisplay</name>
    <message>
        <source>User IDX: </source>
        <translation>Eigener IDX: </translation>
    </message>
    <message>
        <source>Entry type: </source>
        <translation>Eintragsart: </translation>
    </message>
    <message>
        <source>Year: </source>
        <translation>Jahr: </translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Standort: </translation>
    </message>
    <message>
        <source>RK Rating: </source>
        <translation>RK-Bewertung: </translation>
    </message>
    <message>
        <source>IMDB Rating: </source>
        <translation>IMDB-Bewertung: </translation>
    </message>
    <message>
        <source>Runtime: </source>
        <translation>Laufzeit: </translation>
    </message>
    <message>
        <source>Medium: </source>
        <translation>Medium: </translation>
    </message>
    <message>
        <source>Language: </source>
        <translation>Sprache: </translation>
    </message>
    <message>
        <source>No Files: </source>
        <translation>Dateien: </translation>
    </message>
    <message>
        <source>Length: </source>
        <translation>Länge: </translation>
    </message>
    <message>
        <source>Format: </source>
        <translation>Format: </translation>
    </message>
    <message>
        <source>Codec: </source>
        <translation>Codec: </translation>
    </message>
    <message>
        <source>Framerate: </source>
        <translation>Bildrate: </translation>
    </message>
    <message>
        <source>Bitrate: </source>
        <translation>Bitrate: </translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Breite: </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Höhe: </translation>
    </message>
    <message>
        <source>Samplerate: </source>
        <translation>Abtastrate: </translation>
    </message>
    <message>
        <source>Channels: </source>
        <translation>Kanäle: </translation>
    </message>
    <message>
        <source>AKA: </source>
        <translation>Auch bekannt als: </translation>
    </message>
    <message>
        <source>IMDB: </source>
        <translation>IMDB: </translation>
    </message>
    <message>
        <source>Double click to search IMDB</source>
        <translation>Doppelklick sucht bei IMDB</translation>
    </message>
    <message>
        <source>Genre: </source>
        <translation>Genre: </translation>
    </message>
    <message>
        <source>Reelkeep Genre: </source>
        <translation>Reelkeep-Genre: </translation>
    </message>
    <message>
        <source> - IMDB Genre: </source>
        <translation> – IMDB-Genre: </translation>
    </message>
    <message>
        <source>Directed by </source>
        <translation>Regie: </translation>
    </message>
    <message>
        <source>MPAA: </source>
        <translation>MPAA: </translation>
    </message>
    <message>
        <source>IDX: </source>
        <translation>IDX: </translation>
    </message>
    <message>
        <source>Entered: </source>
        <translation>Erfasst: </translation>
    </message>
    <message>
        <source>Aspect: </source>
        <translation>Seitenverhältnis: </translation>
    </message>
</context>
<context>
    <name>Wait</name>
    <message>
        <source>Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten …</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright (C) 2026 the Reelkeep Viewer developers</source>
        <translation>Copyright (C) 2026 die Entwickler von Reelkeep Viewer</translation>
    </message>
    <message>
        <source>Free software under the GPL-3.0-or-later licence; no warranty of any kind.</source>
        <translation>Freie Software unter der Lizenz GPL-3.0-or-later; ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Homepage for this program is at:</source>
        <translation>Die Website dieses Programms:</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Zum Öffnen klicken</translation>
    </message>
    <message>
        <source>Reach me by mail at:</source>
        <translation>Per E-Mail erreichbar unter:</translation>
    </message>
    <message>
        <source>Click to mail me</source>
        <translation>Zum Schreiben klicken</translation>
    </message>
    <message>
        <source>click to open</source>
        <translation>Zum Öffnen klicken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Many thanks to the author of Reelkeep, the movie catalogue whose database this program reads. Reelkeep has its home on the web at:</source>
        <translation>Vielen Dank an den Autor von Reelkeep, dem Filmkatalog, dessen Datenbank dieses Programm liest. Reelkeep ist im Netz zu finden unter:</translation>
    </message>
    <message>
        <source>Thanks also to the makers of Jove Player, the media centre that the exported documents are written for. You will find them at:</source>
        <translation>Dank auch an die Macher von Jove Player, dem Media-Center, für das die exportierten Dokumente geschrieben werden. Sie sind zu finden unter:</translation>
    </message>
</context>
<context>
    <name>frmFilter</name>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Entered date</source>
        <translation>Erfassungsdatum</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Show movies entered:</source>
        <translation>Filme zeigen, erfasst:</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Diesen Monat</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Show only where production year is:</source>
        <translation>Nur zeigen, wenn das Produktionsjahr ist:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Show only</source>
        <translation>Nur</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>vorhandene</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>fehlende</translation>
    </message>
    <message>
        <source>movies.</source>
        <translation>Filme zeigen.</translation>
    </message>
    <message>
        <source>Jove Batch Export</source>
        <translation>Jove-Stapelexport</translation>
    </message>
    <message>
        <source>Jove Batch Export settings</source>
        <translation>Einstellungen des Jove-Stapelexports</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Show only titles where a fact contains:</source>
        <translation>Nur Titel, bei denen eine Angabe enthält:</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Reelkeep Viewer for RK3.3.2</source>
        <translation>Reelkeep Viewer für RK3.3.2</translation>
    </message>
    <message>
        <source>Catalogue changed on disk - press Ctrl+R to reload.</source>
        <translation>Der Katalog wurde auf der Festplatte geändert – Strg+R lädt ihn neu.</translation>
    </message>
    <message>
        <source>Find title</source>
        <translation>Titel suchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open another database</source>
        <translation>Andere Datenbank öffnen</translation>
    </message>
    <message>
        <source>Reload Database</source>
        <translation>Datenbank neu laden</translation>
    </message>
    <message>
        <source>Close and Save</source>
        <translation>Schließen und speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Edit Settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Jove Export</source>
        <translation>Jove-Export</translation>
    </message>
    <message>
        <source>Jove Export Batch</source>
        <translation>Jove-Stapelexport</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Find in</source>
        <translation>Suchen in</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Allem</translation>
    </message>
    <message>
        <source>Find in the titles or in everything known of them (Alt+Down)</source>
        <translation>In den Titeln oder in allem suchen, was über sie bekannt ist (Alt+Pfeil nach unten)</translation>
    </message>
    <message>
        <source>Find in everything</source>
        <translation>In allem suchen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>Statistics: some facts could not be read; they count as (none).</source>
        <translation>Statistik: Einige Angaben konnten nicht gelesen werden; sie zählen als (keine).</translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation>Covergröße</translation>
    </message>
    <message>
        <source>Cover size (Ctrl+plus, Ctrl+minus)</source>
        <translation>Covergröße (Strg+Plus, Strg+Minus)</translation>
    </message>
    <message>
        <source>Title list</source>
        <translation>Titelliste</translation>
    </message>
    <message>
        <source>Cover wall</source>
        <translation>Coverwand</translation>
    </message>
</context>
<context>
    <name>frmMediaInfo</name>
    <message>
        <source>Media Info</source>
        <translation>Medieninfo</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Medium wählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>or (S)VCD Drive:</source>
        <translation>oder (S)VCD-Laufwerk:</translation>
    </message>
    <message>
        <source>&amp;Get info</source>
        <translation>&amp;Info holen</translation>
    </message>
    <message>
        <source>MediaInfo.exe</source>
        <translation>MediaInfo.exe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Find Media (avi mpeg ogm a.s.o.)</source>
        <translation>Medium suchen (avi, mpeg, ogm usw.)</translation>
    </message>
    <message>
        <source>Find MediaInfo Executable (mediainfo.exe)</source>
        <translation>MediaInfo-Programm suchen (mediainfo.exe)</translation>
    </message>
    <message>
        <source>Save MediaInfo Report</source>
        <translation>MediaInfo-Bericht speichern</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Jove Export</source>
        <translation>Jove-Export</translation>
    </message>
    <message>
        <source>Copy cover image to folder.jpg</source>
        <translation>Coverbild nach folder.jpg kopieren</translation>
    </message>
    <message>
        <source>Overwrite existing folder.jpg</source>
        <translation>Vorhandene folder.jpg überschreiben</translation>
    </message>
    <message>
        <source>IMDB Genre</source>
        <translation>IMDB-Genre</translation>
    </message>
    <message>
        <source>RK Genre</source>
        <translation>RK-Genre</translation>
    </message>
    <message>
        <source>Combine Genre</source>
        <translation>Genres kombinieren</translation>
    </message>
    <message>
        <source>Jove Batch Export</source>
        <translation>Jove-Stapelexport</translation>
    </message>
    <message>
        <source>Export path:</source>
        <translation>Exportpfad:</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Starting with</source>
        <translation>beginnt mit</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Export path</source>
        <translation>Exportpfad</translation>
    </message>
    <message>
        <source>&amp;General setting</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;Jove Export</source>
        <translation>&amp;Jove-Export</translation>
    </message>
    <message>
        <source>Title font:</source>
        <translation>Titelschrift:</translation>
    </message>
    <message>
        <source>Imdb link:</source>
        <translation>IMDB-Link:</translation>
    </message>
    <message>
        <source>Aka title:</source>
        <translation>Alternativtitel:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Sub title:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>User Index</source>
        <translation>Eigener Index</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Figures as a table</source>
        <translation>Kennzahlen als Tabelle</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Als PNG speichern...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>1 title</source>
        <translation>1 Titel</translation>
    </message>
    <message>
        <source>%1 titles</source>
        <translation>%1 Titel</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The figures could not be saved.</source>
        <translation>Die Kennzahlen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <source>PNG Images (*.png)|*.png</source>
        <translation>PNG-Bilder (*.png)|*.png</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV-Dateien (*.csv)|*.csv</translation>
    </message>
</context>
</TS>
