<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>