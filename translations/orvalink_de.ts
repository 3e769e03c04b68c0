<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>orvalink::AtomicTextFile</name>
    <message>
        <source>Not a Regular File</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error Opening the %1.</source>
        <translation>Fehler beim Öffnen der %1.</translation>
    </message>
    <message>
        <source>Please, Check You Have the Permission to Write this File.</source>
        <translation>Bitte prüfen Sie, ob Sie diese Datei schreiben dürfen.</translation>
    </message>
    <message>
        <source>Error Writing the %1.</source>
        <translation>Fehler beim Schreiben der %1.</translation>
    </message>
    <message>
        <source>Bookmark File</source>
        <translation>Lesezeichendatei</translation>
    </message>
</context>
<context>
    <name>orvalink::Backup</name>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to Make a Backup of the Bookmark File.</source>
        <translation>Die Lesezeichendatei kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>The Bookmark File Was Not Changed.</source>
        <translation>Die Lesezeichendatei wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>orvalink::BookmarkFileForm</name>
    <message>
        <source>a bookmark file such as Firefox&apos;s bookmarks.html</source>
        <translation>eine Lesezeichendatei wie Firefox’ bookmarks.html</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>To Take It Into Firefox, Choose &quot;Import and Backup&quot; → &quot;Import Bookmarks from HTML…&quot; in Its Library.</source>
        <translation>Um sie in Firefox zu übernehmen, wählen Sie in dessen Bibliothek „Importieren und Sichern“ → „Lesezeichen von HTML importieren…“.</translation>
    </message>
</context>
<context>
    <name>orvalink::BookmarkFileReader</name>
    <message>
        <source>Not a Bookmark File</source>
        <translation>Keine Lesezeichendatei</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Bookmark File.</source>
        <translation>Die ausgewählte Datei ist keine Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Please, Select Another Bookmark File.</source>
        <translation>Bitte wählen Sie eine andere Lesezeichendatei.</translation>
    </message>
</context>
<context>
    <name>orvalink::BookmarkFileWriter</name>
    <message>
        <source>Incomplete Bookmark File</source>
        <translation>Unvollständige Lesezeichendatei</translation>
    </message>
    <message>
        <source>The Bookmark File Was Not Changed.</source>
        <translation>Die Lesezeichendatei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Ends Inside a Tag or a Comment.</source>
        <translation>Die ausgewählte Lesezeichendatei endet mitten in einem Tag oder Kommentar.</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Holds No List of Bookmarks.</source>
        <translation>Die ausgewählte Lesezeichendatei enthält keine Lesezeichenliste.</translation>
    </message>
</context>
<context>
    <name>orvalink::BrowseIELocation</name>
    <message>
        <source>Please, Select a Folder.</source>
        <translation>Bitte wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>Unable to Autolocate IE Folder</source>
        <translation>IE-Ordner nicht automatisch gefunden</translation>
    </message>
    <message>
        <source>Unable to AutoLocate the Internet Explorer Favorites Folder.</source>
        <translation>Der Favoritenordner des Internet Explorers kann nicht automatisch gefunden werden.</translation>
    </message>
    <message>
        <source>Please Insert It Manually.</source>
        <translation>Bitte geben Sie ihn von Hand ein.</translation>
    </message>
</context>
<context>
    <name>orvalink::CSetting</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>Error Deleting Key (check if file is protected)</source>
        <translation>Fehler beim Löschen des Schlüssels (ist die Datei schreibgeschützt?)</translation>
    </message>
</context>
<context>
    <name>orvalink::ChromiumForm</name>
    <message>
        <source>a Chromium, Chrome, Edge, Brave, Vivaldi or Opera Bookmarks file</source>
        <translation>eine Bookmarks-Datei von Chromium, Chrome, Edge, Brave, Vivaldi oder Opera</translation>
    </message>
    <message>
        <source>Chromium Bookmark Files</source>
        <translation>Chromium-Lesezeichendateien</translation>
    </message>
</context>
<context>
    <name>orvalink::ChromiumWriter</name>
    <message>
        <source>Incomplete Bookmark File</source>
        <translation>Unvollständige Lesezeichendatei</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Has No List of Other Bookmarks.</source>
        <translation>Die ausgewählte Lesezeichendatei hat keine Liste „Weitere Lesezeichen“.</translation>
    </message>
    <message>
        <source>The Bookmark File Was Not Changed.</source>
        <translation>Die Lesezeichendatei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Not a Chromium Bookmark File</source>
        <translation>Keine Chromium-Lesezeichendatei</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Chromium Bookmark File.</source>
        <translation>Die ausgewählte Datei ist keine Chromium-Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Please, Select Another Chromium Bookmark File.</source>
        <translation>Bitte wählen Sie eine andere Chromium-Lesezeichendatei.</translation>
    </message>
</context>
<context>
    <name>orvalink::ColorPresets</name>
    <message>
        <source>A Menu Color Preset cannot be named %1.</source>
        <translation>Eine Menüfarbvorlage kann nicht %1 heißen.</translation>
    </message>
    <message>
        <source>There is no Menu Color Preset to delete.</source>
        <translation>Es gibt keine Menüfarbvorlage zum Löschen.</translation>
    </message>
</context>
<context>
    <name>orvalink::ConversionWindow</name>
    <message>
        <source>IE Favorites</source>
        <translation>IE-Favoriten</translation>
    </message>
    <message>
        <source>DHTML Menu</source>
        <translation>DHTML-Menü</translation>
    </message>
    <message>
        <source>FF Bookmarks</source>
        <translation>FF-Lesezeichen</translation>
    </message>
    <message>
        <source>Opera Bookmarks</source>
        <translation>Opera-Lesezeichen</translation>
    </message>
    <message>
        <source>Chromium Bookmarks</source>
        <translation>Chromium-Lesezeichen</translation>
    </message>
    <message>
        <source>%1 to %2 - Orvalink</source>
        <translation>%1 nach %2 - Orvalink</translation>
    </message>
    <message>
        <source>Select a Bookmark File</source>
        <translation>Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Select an Opera Hotlist File</source>
        <translation>Opera-Hotlist-Datei auswählen</translation>
    </message>
    <message>
        <source>Select a Chromium Bookmark File</source>
        <translation>Chromium-Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Keine Lesezeichendatei ausgewählt</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File.</source>
        <translation>Bitte wählen Sie eine Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Go Back to the Main Window (ESC)</source>
        <translation>Zurück zum Hauptfenster (Esc)</translation>
    </message>
    <message>
        <source>Select the Favorites Folder Location</source>
        <translation>Ort des Favoritenordners auswählen</translation>
    </message>
    <message>
        <source>Auto-Detect the Favorites Folder Location</source>
        <translation>Ort des Favoritenordners automatisch ermitteln</translation>
    </message>
    <message>
        <source>&amp;Go Back to the Main Window</source>
        <translation>&amp;Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Location of Internet Explorer &amp;Favorites:</source>
        <translation>Ort der Internet-Explorer-&amp;Favoriten:</translation>
    </message>
    <message>
        <source>A&amp;uto</source>
        <translation>A&amp;uto</translation>
    </message>
</context>
<context>
    <name>orvalink::DestinationLock</name>
    <message>
        <source>Destination In Use</source>
        <translation>Ziel wird verwendet</translation>
    </message>
    <message>
        <source>Another Export Is Writing to the Selected Destination.</source>
        <translation>Ein anderer Export schreibt gerade in das ausgewählte Ziel.</translation>
    </message>
    <message>
        <source>Please, Try Again When It Has Finished.</source>
        <translation>Bitte versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
</context>
<context>
    <name>orvalink::EntryListModel</name>
    <message>
        <source>Link Name</source>
        <translation>Linkname</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Erstellungsdatum</translation>
    </message>
</context>
<context>
    <name>orvalink::ExportChecks</name>
    <message>
        <source>%1 is running</source>
        <translation>%1 läuft</translation>
    </message>
    <message>
        <source>The %1 browser appears to be running.</source>
        <translation>Der Browser %1 scheint zu laufen.</translation>
    </message>
    <message>
        <source>In order to export the bookmarks to %1,</source>
        <translation>Um die Lesezeichen nach %1 zu exportieren,</translation>
    </message>
    <message>
        <source>it is necessary to close all the %1 browsers.</source>
        <translation>müssen alle Fenster von %1 geschlossen werden.</translation>
    </message>
    <message>
        <source>Backup of the Selected Bookmark File</source>
        <translation>Die Sicherung der ausgewählten Lesezeichendatei</translation>
    </message>
</context>
<context>
    <name>orvalink::ExportRun</name>
    <message>
        <source>Their Internet Shortcuts Have No Address</source>
        <translation>Ihre Internetverknüpfungen haben keine Adresse</translation>
    </message>
    <message>
        <source>Exporting Complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>%1 Folders &amp; %2 Links Exported Successfully.</source>
        <translation>%1 Ordner &amp; %2 Links erfolgreich exportiert.</translation>
    </message>
    <message>
        <source>Exporting Incomplete</source>
        <translation>Export unvollständig</translation>
    </message>
    <message>
        <source>%1 Folders &amp; %2 Links Exported.</source>
        <translation>%1 Ordner &amp; %2 Links exportiert.</translation>
    </message>
    <message>
        <source>Exporting Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing Was Exported.</source>
        <translation>Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>%1 Links Could Not Be Written.</source>
        <translation>%1 Links konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 Folders Could Not Be Created.</source>
        <translation>%1 Ordner konnten nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Reason: %1.</source>
        <translation>Grund: %1.</translation>
    </message>
</context>
<context>
    <name>orvalink::ExportWindow</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>orvalink::FavoritesForm</name>
    <message>
        <source>an Internet Explorer Favorites folder</source>
        <translation>ein Favoritenordner des Internet Explorers</translation>
    </message>
    <message>
        <source>Selected Folder Does Not Exist</source>
        <translation>Ausgewählter Ordner existiert nicht</translation>
    </message>
    <message>
        <source>The Selected Folder Does Not Exist.</source>
        <translation>Der ausgewählte Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Please, Select Another Folder.</source>
        <translation>Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Subfolder</source>
        <translation>Unterordner</translation>
    </message>
</context>
<context>
    <name>orvalink::FavoritesReader</name>
    <message>
        <source>No Favorites folder was given.</source>
        <translation>Es wurde kein Favoritenordner angegeben.</translation>
    </message>
    <message>
        <source>The Favorites folder &quot;%1&quot; does not exist.</source>
        <translation>Der Favoritenordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The Favorites folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Der Favoritenordner „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>orvalink::FavoritesWriter</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The Favorites Folder Does Not Exist.</source>
        <translation>Der Favoritenordner existiert nicht.</translation>
    </message>
</context>
<context>
    <name>orvalink::FileDestinationOptions</name>
    <message>
        <source>What About the Old Bookmarks:</source>
        <translation>Was geschieht mit den alten Lesezeichen:</translation>
    </message>
    <message>
        <source>Where to Export:</source>
        <translation>Wohin exportieren:</translation>
    </message>
    <message>
        <source>Export Links Before Than Folders</source>
        <translation>Links vor Ordnern exportieren</translation>
    </message>
    <message>
        <source>Make a Backup of the Bookmark File Before to Change It</source>
        <translation>Die Lesezeichendatei vor dem Ändern sichern</translation>
    </message>
    <message>
        <source>Export the Favorites Erasing ALL the Old Bookmarks</source>
        <translation>Die Favoriten exportieren und dabei ALLE alten Lesezeichen löschen</translation>
    </message>
    <message>
        <source>Merge IE Favorites with Old Bookmarks</source>
        <translation>IE-Favoriten mit alten Lesezeichen zusammenführen</translation>
    </message>
    <message>
        <source>Export in the Bookmark File Inside a New Folder</source>
        <translation>In einen neuen Ordner der Lesezeichendatei exportieren</translation>
    </message>
    <message>
        <source>Export in the Root of the Bookmark File</source>
        <translation>In die oberste Ebene der Lesezeichendatei exportieren</translation>
    </message>
    <message>
        <source>Name of the Folder Where the Favorites Will Be Exported</source>
        <translation>Name des Ordners, in den die Favoriten exportiert werden</translation>
    </message>
    <message>
        <source>Keep Folders, Links and Separators in the Order of the Source Instead of Sorting Them</source>
        <translation>Ordner, Links und Trennlinien in der Reihenfolge der Quelle belassen, statt sie zu sortieren</translation>
    </message>
    <message>
        <source>&amp;Backup Old Bookmarks</source>
        <translation>Alte Lesezeichen &amp;sichern</translation>
    </message>
    <message>
        <source>O&amp;verwrite Old Bookmarks</source>
        <translation>Alte Lesezeichen ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Export in the &amp;Root Folder</source>
        <translation>In den Stammordner ex&amp;portieren</translation>
    </message>
    <message>
        <source>Export in a &amp;New Folder</source>
        <translation>In einen &amp;neuen Ordner exportieren</translation>
    </message>
    <message>
        <source>Export &amp;Links Before Than Folders</source>
        <translation>&amp;Links vor Ordnern exportieren</translation>
    </message>
    <message>
        <source>&amp;Keep the Order of the Source</source>
        <translation>Reihenfolge der &amp;Quelle beibehalten</translation>
    </message>
</context>
<context>
    <name>orvalink::Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No file was given.</source>
        <translation>Es wurde keine Datei angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or pipe, not a file.</source>
        <translation>„%1“ ist ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
</context>
<context>
    <name>orvalink::FirefoxDatabaseForm</name>
    <message>
        <source>Firefox&apos;s bookmark database, places.sqlite, or the profile folder holding it</source>
        <translation>die Lesezeichendatenbank von Firefox, places.sqlite, oder der Profilordner, der sie enthält</translation>
    </message>
    <message>
        <source>Firefox Bookmark Databases</source>
        <translation>Firefox-Lesezeichendatenbanken</translation>
    </message>
</context>
<context>
    <name>orvalink::Form1</name>
    <message>
        <source>Export Favorites from Internet Explorer to ...</source>
        <translation>Favoriten vom Internet Explorer exportieren nach ...</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to ...</source>
        <translation>Lesezeichen von Firefox exportieren nach ...</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to ...</source>
        <translation>Lesezeichen von Opera exportieren nach ...</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to ...</source>
        <translation>Lesezeichen von Chromium exportieren nach ...</translation>
    </message>
    <message>
        <source>Go Back to Main Window</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>(Last Selection)</source>
        <translation>(Letzte Auswahl)</translation>
    </message>
    <message>
        <source>IE Favorites</source>
        <translation>IE-Favoriten</translation>
    </message>
    <message>
        <source>Firefox</source>
        <translation>Firefox</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export Favorites from Internet Explorer to Firefox</source>
        <translation>Favoriten vom Internet Explorer nach Firefox exportieren</translation>
    </message>
    <message>
        <source>Export Favorites from Internet Explorer to Opera</source>
        <translation>Favoriten vom Internet Explorer nach Opera exportieren</translation>
    </message>
    <message>
        <source>Export Favorites in a Cascading Menu</source>
        <translation>Favoriten in ein aufklappendes Menü exportieren</translation>
    </message>
    <message>
        <source>Menu Page</source>
        <translation>Menüseite</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to Internet Explorer</source>
        <translation>Lesezeichen von Firefox in den Internet Explorer exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to Opera</source>
        <translation>Lesezeichen von Firefox nach Opera exportieren</translation>
    </message>
    <message>
        <source>Export Firefox Bookmarks in a Cascading Menu</source>
        <translation>Firefox-Lesezeichen in ein aufklappendes Menü exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to Internet Explorer</source>
        <translation>Lesezeichen von Opera in den Internet Explorer exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to Firefox</source>
        <translation>Lesezeichen von Opera nach Firefox exportieren</translation>
    </message>
    <message>
        <source>Export Opera Bookmarks in a Cascading Menu</source>
        <translation>Opera-Lesezeichen in ein aufklappendes Menü exportieren</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chromium</translation>
    </message>
    <message>
        <source>Export Favorites from Internet Explorer to Chromium</source>
        <translation>Favoriten vom Internet Explorer nach Chromium exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to Chromium</source>
        <translation>Lesezeichen von Firefox nach Chromium exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to Chromium</source>
        <translation>Lesezeichen von Opera nach Chromium exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to Internet Explorer</source>
        <translation>Lesezeichen von Chromium in den Internet Explorer exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to Firefox</source>
        <translation>Lesezeichen von Chromium nach Firefox exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to Opera</source>
        <translation>Lesezeichen von Chromium nach Opera exportieren</translation>
    </message>
    <message>
        <source>Export Chromium Bookmarks in a Cascading Menu</source>
        <translation>Chromium-Lesezeichen in ein aufklappendes Menü exportieren</translation>
    </message>
    <message>
        <source>Bookmark File Does Not Exist</source>
        <translation>Lesezeichendatei existiert nicht</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Does Not Exist.</source>
        <translation>Die ausgewählte Lesezeichendatei existiert nicht.</translation>
    </message>
    <message>
        <source>Unknown Bookmark File</source>
        <translation>Unbekannte Lesezeichendatei</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Bookmark File Orvalink Can Read.</source>
        <translation>Die ausgewählte Datei ist keine Lesezeichendatei, die Orvalink lesen kann.</translation>
    </message>
    <message>
        <source>Orvalink</source>
        <translation>Orvalink</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>To Internet Explorer</source>
        <translation>In den Internet Explorer</translation>
    </message>
    <message>
        <source>To Firefox</source>
        <translation>Nach Firefox</translation>
    </message>
    <message>
        <source>To Opera</source>
        <translation>Nach Opera</translation>
    </message>
    <message>
        <source>To Chromium</source>
        <translation>Nach Chromium</translation>
    </message>
    <message>
        <source>To DHTML Menu</source>
        <translation>In ein DHTML-Menü</translation>
    </message>
    <message>
        <source>Export From Internet Explorer To...</source>
        <translation>Vom Internet Explorer exportieren...</translation>
    </message>
    <message>
        <source>Export From Firefox To...</source>
        <translation>Von Firefox exportieren...</translation>
    </message>
    <message>
        <source>Export From Opera To...</source>
        <translation>Von Opera exportieren...</translation>
    </message>
    <message>
        <source>Export From Chromium To...</source>
        <translation>Von Chromium exportieren...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>orvalink::Form2</name>
    <message>
        <source>Filenames:</source>
        <translation>Dateinamen:</translation>
    </message>
    <message>
        <source>Favorites Folder Location</source>
        <translation>Ort des Favoritenordners</translation>
    </message>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Bitte eine Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select an Opera Hotlist File -</source>
        <translation>- Bitte eine Opera-Hotlist-Datei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Bitte eine Chromium-Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>Select the File Where to Export the Favorites</source>
        <translation>Datei auswählen, in die die Favoriten exportiert werden</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist File Where to Export</source>
        <translation>Opera-Hotlist-Datei auswählen, in die exportiert wird</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File Where to Export</source>
        <translation>Chromium-Lesezeichendatei auswählen, in die exportiert wird</translation>
    </message>
    <message>
        <source>Start Exporting</source>
        <translation>Export starten</translation>
    </message>
    <message>
        <source>Select Where To Export The IE Favorites</source>
        <translation>Wohin sollen die IE-Favoriten exportiert werden?</translation>
    </message>
    <message>
        <source> (File Exists)</source>
        <translation> (Datei existiert)</translation>
    </message>
    <message>
        <source> (New File)</source>
        <translation> (Neue Datei)</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Keine Lesezeichendatei ausgewählt</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File Where to Export IE Favorites.</source>
        <translation>Bitte wählen Sie eine Lesezeichendatei, in die die IE-Favoriten exportiert werden.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Merge IE Favorites with Old Bookmarks</source>
        <translation>IE-Favoriten mit alten Lesezeichen zusa&amp;mmenführen</translation>
    </message>
    <message>
        <source>S&amp;tart Exporting</source>
        <translation>Export s&amp;tarten</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Ort der Fi&amp;refox-Lesezeichen:</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Ort der Opera-Hot&amp;list:</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Ort der C&amp;hromium-Lesezeichen:</translation>
    </message>
</context>
<context>
    <name>orvalink::Form3</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
    <message>
        <source>Select Links - Orvalink</source>
        <translation>Links auswählen - Orvalink</translation>
    </message>
    <message>
        <source>&amp;Confirm Selection</source>
        <translation>Auswahl bes&amp;tätigen</translation>
    </message>
    <message>
        <source>Confirm Selection and Exit</source>
        <translation>Auswahl bestätigen und schließen</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Selected Folders / Total Folders</source>
        <translation>Ausgewählte Ordner / alle Ordner</translation>
    </message>
    <message>
        <source>Selected Links / Total Links</source>
        <translation>Ausgewählte Links / alle Links</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Fol&amp;ders</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>Check Current Folder</source>
        <translation>Aktuellen Ordner markieren</translation>
    </message>
    <message>
        <source>Check Folder &amp;&amp; All Subs</source>
        <translation>Ordner &amp;&amp; alle Unterordner markieren</translation>
    </message>
    <message>
        <source>Uncheck Current Folder</source>
        <translation>Markierung des aktuellen Ordners aufheben</translation>
    </message>
    <message>
        <source>Uncheck Folder &amp;&amp; All Subs</source>
        <translation>Markierung von Ordner &amp;&amp; allen Unterordnern aufheben</translation>
    </message>
    <message>
        <source>Check All Folders</source>
        <translation>Alle Ordner markieren</translation>
    </message>
    <message>
        <source>Uncheck All Folders</source>
        <translation>Markierung aller Ordner aufheben</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>&amp;Links</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>Check Selected</source>
        <translation>Ausgewählte markieren</translation>
    </message>
    <message>
        <source>Uncheck Selected</source>
        <translation>Markierung der ausgewählten aufheben</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Alle Markierungen aufheben</translation>
    </message>
    <message>
        <source>Selected Folders</source>
        <translation>Ausgewählte Ordner</translation>
    </message>
    <message>
        <source>Selected Links</source>
        <translation>Ausgewählte Links</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Tick the Folders to Export</source>
        <translation>Die zu exportierenden Ordner markieren</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Tick the Links of the Current Folder to Export</source>
        <translation>Die zu exportierenden Links des aktuellen Ordners markieren</translation>
    </message>
    <message>
        <source>Find Links by Name or Address</source>
        <translation>Links nach Name oder Adresse suchen</translation>
    </message>
    <message>
        <source>Find Links</source>
        <translation>Links suchen</translation>
    </message>
</context>
<context>
    <name>orvalink::Form4</name>
    <message>
        <source>Filenames:</source>
        <translation>Dateinamen:</translation>
    </message>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Bitte eine Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select an Opera Hotlist File -</source>
        <translation>- Bitte eine Opera-Hotlist-Datei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Bitte eine Chromium-Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>Select the Bookmark File to Export</source>
        <translation>Zu exportierende Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist File to Export</source>
        <translation>Zu exportierende Opera-Hotlist-Datei auswählen</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File to Export</source>
        <translation>Zu exportierende Chromium-Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Favorites Folder Location Where Export the Bookmarks</source>
        <translation>Ort des Favoritenordners, in den die Lesezeichen exportiert werden</translation>
    </message>
    <message>
        <source>Export All Folders and Links contained in the Bookmark File</source>
        <translation>Alle Ordner und Links der Lesezeichendatei exportieren</translation>
    </message>
    <message>
        <source>Where to Export:</source>
        <translation>Wohin exportieren:</translation>
    </message>
    <message>
        <source>Export Bookmarks in the Root of the Favorites Folder</source>
        <translation>Lesezeichen in die oberste Ebene des Favoritenordners exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks in a New Folder</source>
        <translation>Lesezeichen in einen neuen Ordner exportieren</translation>
    </message>
    <message>
        <source>Export Bookmarks in a Existing Folder</source>
        <translation>Lesezeichen in einen vorhandenen Ordner exportieren</translation>
    </message>
    <message>
        <source>Name of the New Folder Where the Bookmarks Will Be Exported</source>
        <translation>Name des neuen Ordners, in den die Lesezeichen exportiert werden</translation>
    </message>
    <message>
        <source>Name of the Existing Folder Where the Bookmarks Will Be Exported</source>
        <translation>Name des vorhandenen Ordners, in den die Lesezeichen exportiert werden</translation>
    </message>
    <message>
        <source>Select the Existing Folder Where to Export the Bookmarks</source>
        <translation>Vorhandenen Ordner auswählen, in den die Lesezeichen exportiert werden</translation>
    </message>
    <message>
        <source>Start the Exportation</source>
        <translation>Den Export starten</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Please, Select a Folder.</source>
        <translation>Bitte wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Keine Lesezeichendatei ausgewählt</translation>
    </message>
    <message>
        <source>Please, Select A Bookmark File.</source>
        <translation>Bitte wählen Sie eine Lesezeichendatei.</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Ort der Fi&amp;refox-Lesezeichen:</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Ort der Opera-Hot&amp;list:</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Ort der C&amp;hromium-Lesezeichen:</translation>
    </message>
    <message>
        <source>Export in the &amp;Root Folder</source>
        <translation>In den Stammordner ex&amp;portieren</translation>
    </message>
    <message>
        <source>Export in a &amp;New Folder</source>
        <translation>In einen &amp;neuen Ordner exportieren</translation>
    </message>
    <message>
        <source>Export in a E&amp;xisting Folder</source>
        <translation>In einen &amp;vorhandenen Ordner exportieren</translation>
    </message>
    <message>
        <source>S&amp;tart Exporting</source>
        <translation>Export s&amp;tarten</translation>
    </message>
</context>
<context>
    <name>orvalink::Form5</name>
    <message>
        <source>Color of the Menu Item Text</source>
        <translation>Textfarbe der Menüeinträge</translation>
    </message>
    <message>
        <source>Color of the Menu Item Text on MouseOver</source>
        <translation>Textfarbe der Menüeinträge unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Background Color of the Menu Items</source>
        <translation>Hintergrundfarbe der Menüeinträge</translation>
    </message>
    <message>
        <source>Background Color of the Menu Items on MouseOver</source>
        <translation>Hintergrundfarbe der Menüeinträge unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Border Color of the Menu Items</source>
        <translation>Rahmenfarbe der Menüeinträge</translation>
    </message>
    <message>
        <source>Border Color of the Menu Items on MouseOver</source>
        <translation>Rahmenfarbe der Menüeinträge unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Background Color of the Page</source>
        <translation>Hintergrundfarbe der Seite</translation>
    </message>
    <message>
        <source>Color of the Top Menu Bar</source>
        <translation>Farbe der oberen Menüleiste</translation>
    </message>
    <message>
        <source>Filenames:</source>
        <translation>Dateinamen:</translation>
    </message>
    <message>
        <source>Favorites Folder Location</source>
        <translation>Ort des Favoritenordners</translation>
    </message>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Bitte eine Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select an Hotlist File -</source>
        <translation>- Bitte eine Hotlist-Datei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Bitte eine Chromium-Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>Select the Bookmark File to Export</source>
        <translation>Zu exportierende Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist to Export</source>
        <translation>Zu exportierende Opera-Hotlist auswählen</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File to Export</source>
        <translation>Zu exportierende Chromium-Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Select Where to Save the DHTML Menu</source>
        <translation>Speicherort des DHTML-Menüs auswählen</translation>
    </message>
    <message>
        <source>Menu Colors:</source>
        <translation>Menüfarben:</translation>
    </message>
    <message>
        <source>MouseOut:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>MouseOver:</source>
        <translation>Unter dem Mauszeiger:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Choose a Menu Color Preset</source>
        <translation>Eine Menüfarbvorlage wählen</translation>
    </message>
    <message>
        <source>Save the Current Colors as a Menu Color Preset</source>
        <translation>Die aktuellen Farben als Menüfarbvorlage speichern</translation>
    </message>
    <message>
        <source>Delete the Selected Menu Color Preset</source>
        <translation>Die ausgewählte Menüfarbvorlage löschen</translation>
    </message>
    <message>
        <source>Open the Links in a New Browser Window</source>
        <translation>Die Links in einem neuen Browserfenster öffnen</translation>
    </message>
    <message>
        <source>Show the Link&apos;s URL in the Browser&apos;s StatusBar</source>
        <translation>Die URL des Links in der Statusleiste des Browsers zeigen</translation>
    </message>
    <message>
        <source>Put the Top Menu Down the Left Side of the Page</source>
        <translation>Das Hauptmenü senkrecht am linken Seitenrand anordnen</translation>
    </message>
    <message>
        <source>Draw Shadows Under the Submenus</source>
        <translation>Schatten unter die Untermenüs zeichnen</translation>
    </message>
    <message>
        <source>Continue Long Submenus in a New Submenu</source>
        <translation>Lange Untermenüs in einem neuen Untermenü fortsetzen</translation>
    </message>
    <message>
        <source>Keep Folders and Links in the Order of the Source Instead of Sorting Them</source>
        <translation>Ordner und Links in der Reihenfolge der Quelle belassen, statt sie zu sortieren</translation>
    </message>
    <message>
        <source>Number of Items Before a Submenu Continues (2-99)</source>
        <translation>Anzahl der Einträge, nach der ein Untermenü fortgesetzt wird (2-99)</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträgen</translation>
    </message>
    <message>
        <source>Page Settings:</source>
        <translation>Seiteneinstellungen:</translation>
    </message>
    <message>
        <source>Title of the Page</source>
        <translation>Titel der Seite</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Top Menu Bar Color:</source>
        <translation>Farbe der Menüleiste:</translation>
    </message>
    <message>
        <source>Show the Date and the Number of Folders and Links Below the Menu</source>
        <translation>Datum und Anzahl der Ordner und Links unter dem Menü zeigen</translation>
    </message>
    <message>
        <source>Open the Page in the Web Browser When It Is Done</source>
        <translation>Die Seite nach dem Erstellen im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Create the DHTML Menu Page</source>
        <translation>Die DHTML-Menüseite erstellen</translation>
    </message>
    <message>
        <source>Select Where To Save The DHTML Menu</source>
        <translation>Speicherort des DHTML-Menüs auswählen</translation>
    </message>
    <message>
        <source> (File Exists)</source>
        <translation> (Datei existiert)</translation>
    </message>
    <message>
        <source> (New File)</source>
        <translation> (Neue Datei)</translation>
    </message>
    <message>
        <source>Save Menu Color Preset</source>
        <translation>Menüfarbvorlage speichern</translation>
    </message>
    <message>
        <source>Please, Insert the name of the Menu Color Preset:</source>
        <translation>Bitte geben Sie den Namen der Menüfarbvorlage ein:</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Überschreiben bestätigen</translation>
    </message>
    <message>
        <source>The name %1 already exists.</source>
        <translation>Der Name %1 existiert bereits.</translation>
    </message>
    <message>
        <source>Do You want to overwrite the existing Menu Color Preset?</source>
        <translation>Möchten Sie die vorhandene Menüfarbvorlage überschreiben?</translation>
    </message>
    <message>
        <source> Confirm Deleting</source>
        <translation> Löschen bestätigen</translation>
    </message>
    <message>
        <source>Really delete the current Menu Color Preset &quot;%1&quot;?</source>
        <translation>Die aktuelle Menüfarbvorlage „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Orvalink</source>
        <translation>Orvalink</translation>
    </message>
    <message>
        <source>Please, insert a number in range [2-99]</source>
        <translation>Bitte geben Sie eine Zahl im Bereich [2-99] ein</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Keine Lesezeichendatei ausgewählt</translation>
    </message>
    <message>
        <source>Please, Select A Bookmark File.</source>
        <translation>Bitte wählen Sie eine Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Location of the &amp;DHTML Menu:</source>
        <translation>Ort des &amp;DHTML-Menüs:</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Lesezeichen</translation>
    </message>
    <message>
        <source>&amp;Menu Properties</source>
        <translation>&amp;Menüeigenschaften</translation>
    </message>
    <message>
        <source>&amp;Page Properties</source>
        <translation>&amp;Seiteneigenschaften</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Ort der Fi&amp;refox-Lesezeichen:</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Ort der &amp;Opera-Hotlist:</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Ort der C&amp;hromium-Lesezeichen:</translation>
    </message>
    <message>
        <source>Menu Color Pr&amp;eset:</source>
        <translation>Menüfarb&amp;vorlage:</translation>
    </message>
    <message>
        <source>&amp;Save Preset...</source>
        <translation>Vorlage s&amp;peichern...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>Vorlage lösc&amp;hen</translation>
    </message>
    <message>
        <source>&amp;Open Links in a New Window</source>
        <translation>Links in neuem &amp;Fenster öffnen</translation>
    </message>
    <message>
        <source>Show &amp;URL in the StatusBar</source>
        <translation>&amp;URL in der Statusleiste zeigen</translation>
    </message>
    <message>
        <source>&amp;Vertical Menu</source>
        <translation>Senkrech&amp;tes Menü</translation>
    </message>
    <message>
        <source>Draw Menu S&amp;hadows</source>
        <translation>Menüsch&amp;atten zeichnen</translation>
    </message>
    <message>
        <source>Break Submenu &amp;After</source>
        <translation>Untermenü umbrechen &amp;nach</translation>
    </message>
    <message>
        <source>&amp;Keep the Order of the Source</source>
        <translation>Reihenfolge der &amp;Quelle beibehalten</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Show Page &amp;Informations</source>
        <translation>Seiten&amp;informationen zeigen</translation>
    </message>
    <message>
        <source>&amp;When finished show in web browser</source>
        <translation>Danach im &amp;Webbrowser zeigen</translation>
    </message>
    <message>
        <source>&amp;Create the Menu</source>
        <translation>Menü &amp;erstellen</translation>
    </message>
</context>
<context>
    <name>orvalink::Form6</name>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Bitte eine Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select an Opera Hotlist File -</source>
        <translation>- Bitte eine Opera-Hotlist-Datei auswählen -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Bitte eine Chromium-Lesezeichendatei auswählen -</translation>
    </message>
    <message>
        <source>Firefox Bookmarks</source>
        <translation>Firefox-Lesezeichen</translation>
    </message>
    <message>
        <source>Opera Bookmarks</source>
        <translation>Opera-Lesezeichen</translation>
    </message>
    <message>
        <source>Chromium Bookmarks</source>
        <translation>Chromium-Lesezeichen</translation>
    </message>
    <message>
        <source>Export All Folders and Links contained in the Favorites Folder</source>
        <translation>Alle Ordner und Links des Favoritenordners exportieren</translation>
    </message>
    <message>
        <source>Filenames:</source>
        <translation>Dateinamen:</translation>
    </message>
    <message>
        <source>Select the Bookmark File to Export</source>
        <translation>Zu exportierende Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist to Export</source>
        <translation>Zu exportierende Opera-Hotlist auswählen</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File to Export</source>
        <translation>Zu exportierende Chromium-Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>Select the File Where to Export the %1</source>
        <translation>Datei auswählen, in die die %1 exportiert werden</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist File Where to Export</source>
        <translation>Opera-Hotlist-Datei auswählen, in die exportiert wird</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File Where to Export</source>
        <translation>Chromium-Lesezeichendatei auswählen, in die exportiert wird</translation>
    </message>
    <message>
        <source>Start Exporting</source>
        <translation>Export starten</translation>
    </message>
    <message>
        <source>Select Where To Export The %1</source>
        <translation>Wohin sollen die %1 exportiert werden?</translation>
    </message>
    <message>
        <source>FF Bookmarks</source>
        <translation>FF-Lesezeichen</translation>
    </message>
    <message>
        <source> (File Exists)</source>
        <translation> (Datei existiert)</translation>
    </message>
    <message>
        <source> (New File)</source>
        <translation> (Neue Datei)</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Keine Lesezeichendatei ausgewählt</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File to Export.</source>
        <translation>Bitte wählen Sie eine zu exportierende Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File Where to Export.</source>
        <translation>Bitte wählen Sie eine Lesezeichendatei, in die exportiert wird.</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Ort der Fi&amp;refox-Lesezeichen:</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Ort der Opera-Hot&amp;list:</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Ort der C&amp;hromium-Lesezeichen:</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Merge %1 with Old %2</source>
        <translation>%1 mit alten %2 zusa&amp;mmenführen</translation>
    </message>
    <message>
        <source>S&amp;tart Exporting</source>
        <translation>Export s&amp;tarten</translation>
    </message>
</context>
<context>
    <name>orvalink::FormChecks</name>
    <message>
        <source>Bookmark File Does Not Exist</source>
        <translation>Lesezeichendatei existiert nicht</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Does Not Exist Anymore.</source>
        <translation>Die ausgewählte Lesezeichendatei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Please, Select Another Bookmark File.</source>
        <translation>Bitte wählen Sie eine andere Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The Path of the Selected %1 File Does Not Exists.</source>
        <translation>Der Pfad der ausgewählten %1-Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Please, Select Another Destination.</source>
        <translation>Bitte wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>The %1 is Not a Regular File.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Read-Only Bookmark File</source>
        <translation>Schreibgeschützte Lesezeichendatei</translation>
    </message>
    <message>
        <source>The Selected %1 File is Read-Only.</source>
        <translation>Die ausgewählte %1-Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Please, Select Another Bookmark File or Change Attribute.</source>
        <translation>Bitte wählen Sie eine andere Lesezeichendatei oder ändern Sie das Attribut.</translation>
    </message>
    <message>
        <source>Selected Subfolder Does Not Exist</source>
        <translation>Ausgewählter Unterordner existiert nicht</translation>
    </message>
    <message>
        <source>The Selected %1 Where To Export The Bookmarks</source>
        <translation>Der ausgewählte %1, in den die Lesezeichen exportiert werden,</translation>
    </message>
    <message>
        <source>Does Not Exist Anymore. Please, Change Selection.</source>
        <translation>existiert nicht mehr. Bitte ändern Sie die Auswahl.</translation>
    </message>
</context>
<context>
    <name>orvalink::HotlistForm</name>
    <message>
        <source>an Opera hotlist (.adr)</source>
        <translation>eine Opera-Hotlist (.adr)</translation>
    </message>
    <message>
        <source>Hotlist Files</source>
        <translation>Hotlist-Dateien</translation>
    </message>
    <message>
        <source>Opera Hotlist Files</source>
        <translation>Opera-Hotlist-Dateien</translation>
    </message>
</context>
<context>
    <name>orvalink::HotlistReader</name>
    <message>
        <source>Not an Opera Hotlist</source>
        <translation>Keine Opera-Hotlist</translation>
    </message>
    <message>
        <source>The Selected File Is Not an Opera Hotlist.</source>
        <translation>Die ausgewählte Datei ist keine Opera-Hotlist.</translation>
    </message>
    <message>
        <source>Please, Select Another Opera Hotlist File.</source>
        <translation>Bitte wählen Sie eine andere Opera-Hotlist-Datei.</translation>
    </message>
</context>
<context>
    <name>orvalink::LocationList</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Retrieving Bookmark Files</source>
        <translation>Lesezeichendateien werden gesucht</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Select a Bookmark File</source>
        <translation>Lesezeichendatei auswählen</translation>
    </message>
    <message>
        <source>The Selected File Does Not Contain Any Bookmark.</source>
        <translation>Die ausgewählte Datei enthält kein Lesezeichen.</translation>
    </message>
</context>
<context>
    <name>orvalink::MenuPageForm</name>
    <message>
        <source>a cascading menu page</source>
        <translation>eine Seite mit aufklappenden Menüs</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>Selected DHTML Menu File</source>
        <translation>Die ausgewählte DHTML-Menüdatei</translation>
    </message>
    <message>
        <source>DHTML Menu</source>
        <translation>DHTML-Menü</translation>
    </message>
</context>
<context>
    <name>orvalink::MenuPageGenerator</name>
    <message>
        <source>Menu Page</source>
        <translation>Menüseite</translation>
    </message>
</context>
<context>
    <name>orvalink::MenuPreview</name>
    <message>
        <source>Preview of the Menuitems on the Mouseout Status</source>
        <translation>Vorschau der Menüeinträge im Normalzustand</translation>
    </message>
    <message>
        <source>Preview of the Menuitems on the Mouseover Status</source>
        <translation>Vorschau der Menüeinträge unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>MenuItem Preview:</source>
        <translation>Vorschau der Menüeinträge:</translation>
    </message>
    <message>
        <source>Click to set the background color</source>
        <translation>Klicken, um die Hintergrundfarbe festzulegen</translation>
    </message>
    <message>
        <source>Click to set the menu bar color</source>
        <translation>Klicken, um die Farbe der Menüleiste festzulegen</translation>
    </message>
    <message>
        <source>Click to set the border color</source>
        <translation>Klicken, um die Rahmenfarbe festzulegen</translation>
    </message>
    <message>
        <source>Click to set the background color (Use SHIFT to set the text color)</source>
        <translation>Klicken, um die Hintergrundfarbe festzulegen (mit UMSCHALT die Textfarbe)</translation>
    </message>
</context>
<context>
    <name>orvalink::PlacesSnapshot</name>
    <message>
        <source>Not a Firefox Bookmark Database</source>
        <translation>Keine Firefox-Lesezeichendatenbank</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Firefox Bookmark Database.</source>
        <translation>Die ausgewählte Datei ist keine Firefox-Lesezeichendatenbank.</translation>
    </message>
    <message>
        <source>Please, Select a Firefox Profile&apos;s places.sqlite.</source>
        <translation>Bitte wählen Sie die places.sqlite eines Firefox-Profils.</translation>
    </message>
    <message>
        <source>Unknown Firefox Bookmark Database</source>
        <translation>Unbekannte Firefox-Lesezeichendatenbank</translation>
    </message>
    <message>
        <source>This Firefox Bookmark Database Is of a Version Orvalink Cannot Read.</source>
        <translation>Diese Firefox-Lesezeichendatenbank hat eine Version, die Orvalink nicht lesen kann.</translation>
    </message>
    <message>
        <source>Please, Export the Bookmarks From Firefox to an HTML File and Select That File.</source>
        <translation>Bitte exportieren Sie die Lesezeichen aus Firefox in eine HTML-Datei und wählen Sie diese Datei.</translation>
    </message>
    <message>
        <source>Unreadable Firefox Bookmark Database</source>
        <translation>Unlesbare Firefox-Lesezeichendatenbank</translation>
    </message>
    <message>
        <source>The Selected Firefox Bookmark Database Cannot Be Read.</source>
        <translation>Die ausgewählte Firefox-Lesezeichendatenbank kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Firefox Bookmark Database</source>
        <translation>Firefox-Lesezeichendatenbank</translation>
    </message>
    <message>
        <source>Orvalink Never Writes Firefox&apos;s Bookmark Database.</source>
        <translation>Orvalink schreibt nie in die Lesezeichendatenbank von Firefox.</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File (.html) and Import It in Firefox.</source>
        <translation>Bitte wählen Sie eine Lesezeichendatei (.html) und importieren Sie sie in Firefox.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The Database File Is Cut Off.</source>
        <translation>Die Datenbankdatei ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The Database Could Not Be Copied to a Temporary Folder.</source>
        <translation>Die Datenbank konnte nicht in einen temporären Ordner kopiert werden.</translation>
    </message>
</context>
<context>
    <name>orvalink::Progress</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Searching Folder: %1</source>
        <translation>Ordner wird durchsucht: %1</translation>
    </message>
    <message>
        <source>Exporting From Folder: %1</source>
        <translation>Export aus Ordner: %1</translation>
    </message>
</context>
<context>
    <name>orvalink::SourceFile</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>orvalink::StorageForm</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Orvalink cannot read %1.</source>
        <translation>Orvalink kann %1 nicht lesen.</translation>
    </message>
    <message>
        <source>Selected Bookmark File</source>
        <translation>Die ausgewählte Lesezeichendatei</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Orvalink cannot write %1.</source>
        <translation>Orvalink kann %1 nicht schreiben.</translation>
    </message>
    <message>
        <source>Imported from %1 (%2)</source>
        <translation>Importiert aus %1 (%2)</translation>
    </message>
</context>
<context>
    <name>orvalink::WhatToExportFrame</name>
    <message>
        <source>What to Export: (%1 Folders &amp;&amp; %2 Links)</source>
        <translation>Was exportieren: (%1 Ordner &amp;&amp; %2 Links)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Export All Folders and Links</source>
        <translation>Alle Ordner und Links exportieren</translation>
    </message>
    <message>
        <source>Export Only the Selected Folders and Links</source>
        <translation>Nur die ausgewählten Ordner und Links exportieren</translation>
    </message>
    <message>
        <source>Select Folders and Links to Export</source>
        <translation>Zu exportierende Ordner und Links auswählen</translation>
    </message>
    <message>
        <source>Export &amp;All Folders &amp;&amp; Links</source>
        <translation>&amp;Alle Ordner &amp;&amp; Links exportieren</translation>
    </message>
    <message>
        <source>Export S&amp;elected Folders &amp;&amp; Links</source>
        <translation>Ausge&amp;wählte Ordner &amp;&amp; Links exportieren</translation>
    </message>
    <message>
        <source>Select Lin&amp;ks...</source>
        <translation>Lin&amp;ks auswählen...</translation>
    </message>
</context>
<context>
    <name>orvalink::cBrowseForFolder</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Assegnare un form al Browse For Folder</source>
        <translation>Der Ordnerauswahl ist kein Fenster zugewiesen</translation>
    </message>
    <message>
        <source>Error: &amp;H</source>
        <translation>Fehler: &amp;H</translation>
    </message>
</context>
<context>
    <name>orvalink::cli::CommandHelp</name>
    <message>
        <source>Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox&apos;s bookmarks.html) and an Opera hotlist (.adr),
and publishes them as a cascading menu page.
</source>
        <translation>Orvalink überträgt Browser-Lesezeichen zwischen einem Favoritenordner des Internet
Explorers, einer Netscape-Lesezeichendatei (bookmarks.html von Firefox) und einer
Opera-Hotlist (.adr) und veröffentlicht sie als Seite mit aufklappenden Menüs.
</translation>
    </message>
    <message>
        <source>Standard output carries only results; messages go to standard error.
Exit status: 0 on success; 1 when a source cannot be read or is not of its form, a
check fails (nothing is written), a backup or write fails, any folder or link could
not be written, or the results cannot be written to standard output; 2 for bad
arguments.
</source>
        <translation>Die Standardausgabe trägt nur Ergebnisse; Meldungen gehen in die
Standardfehlerausgabe. Rückgabewert: 0 bei Erfolg; 1, wenn eine Quelle nicht
gelesen werden kann oder nicht ihre Form hat, eine Prüfung fehlschlägt (nichts
wird geschrieben), eine Sicherung oder ein Schreiben fehlschlägt, ein Ordner oder
Link nicht geschrieben werden konnte oder die Ergebnisse nicht in die
Standardausgabe geschrieben werden können; 2 bei falschen Argumenten.
</translation>
    </message>
    <message>
        <source>For a bookmark file or hotlist destination (they apply only when DEST exists; a
new file is written whole, at its top level, without backup):
  --force              Write even while the destination&apos;s browser runs (never for
                       a Chromium-family browser&apos;s Bookmarks).
  --overwrite          Overwrite DEST instead of merging into it (this also exports
                       to the top level).
  --top-level          Export into the top level instead of a new folder.
  --folder NAME        The new folder&apos;s name (default: Imported from IE, FF or
                       Opera, with today&apos;s date in brackets).
  --no-backup          Do not copy DEST to Backup_of_ + its name first.
  --links-before       In each folder, write its links before its subfolders
                       (applies to new files too).
  --keep-order         Keep folders, links and separators in the source&apos;s order
                       instead of sorting them (applies to new files too).

For a Favorites destination:
  --where root|new|existing
                       Export into the Favorites folder itself, into a new folder
                       (default) or into an existing subfolder.
  --folder NAME        The new folder&apos;s name, for --where new.
  --existing SUBFOLDER The subfolder of DEST, for --where existing.

For a menu page destination:
  --layout horizontal|vertical    Root items across the top (default) or down the
                                  left side.
  --open-new, --same-window       Links open in a new window (default) or the page&apos;s.
  --show-url, --no-show-url       Show a link&apos;s address in the status line (default on).
  --shadows, --no-shadows         Shadows under submenus (default on).
  --stats, --no-stats             A line with the date and the counts (default off).
  --max-items N, --no-max-items   Break submenus after N items, 2 to 99 (default 25).
  --title TEXT                    The page title (default &quot;Bookmarks By Orvalink&quot;).
  --preset NAME                   A colour preset (default &quot;&lt;Custom&gt;&quot;), matched
                                  without regard to case.
  --keep-order                    Menus in the source&apos;s order instead of sorted.

For any destination:
  --only FOLDER        Export only this folder and everything below it; FOLDER is
                       a folder row as &quot;list&quot; prints it. Repeatable. Without it,
                       everything is exported.
  -q, --quiet          Print neither progress nor the result and what a merge
                       did; failures and warnings are still printed.
</source>
        <translation>Für eine Lesezeichendatei oder Hotlist als Ziel (nur wenn DEST existiert; eine neue
Datei wird ganz, in ihrer obersten Ebene und ohne Sicherung geschrieben):
  --force              Auch schreiben, während der Browser des Ziels läuft (nie für
                       die Bookmarks eines Browsers der Chromium-Familie).
  --overwrite          DEST überschreiben statt zusammenführen (exportiert dann
                       auch in die oberste Ebene).
  --top-level          In die oberste Ebene statt in einen neuen Ordner exportieren.
  --folder NAME        Name des neuen Ordners (Vorgabe: Importiert aus IE, FF oder
                       Opera, mit dem heutigen Datum in Klammern).
  --no-backup          DEST nicht zuerst nach Backup_of_ + Name kopieren.
  --links-before       In jedem Ordner die Links vor den Unterordnern schreiben
                       (gilt auch für neue Dateien).
  --keep-order         Ordner, Links und Trennlinien in der Reihenfolge der Quelle
                       belassen statt sortieren (gilt auch für neue Dateien).

Für einen Favoritenordner als Ziel:
  --where root|new|existing
                       In den Favoritenordner selbst, in einen neuen Ordner
                       (Vorgabe) oder in einen vorhandenen Unterordner exportieren.
  --folder NAME        Name des neuen Ordners, für --where new.
  --existing SUBFOLDER Der Unterordner von DEST, für --where existing.

Für eine Menüseite als Ziel:
  --layout horizontal|vertical    Hauptmenü oben quer (Vorgabe) oder am linken
                                  Rand senkrecht.
  --open-new, --same-window       Links öffnen in neuem Fenster (Vorgabe) oder in der Seite.
  --show-url, --no-show-url       Adresse eines Links in der Statuszeile (Vorgabe: an).
  --shadows, --no-shadows         Schatten unter Untermenüs (Vorgabe: an).
  --stats, --no-stats             Eine Zeile mit Datum und Anzahlen (Vorgabe: aus).
  --max-items N, --no-max-items   Untermenüs nach N Einträgen umbrechen, 2 bis 99 (Vorgabe 25).
  --title TEXT                    Der Seitentitel (Vorgabe &quot;Bookmarks By Orvalink&quot;).
  --preset NAME                   Eine Farbvorlage (Vorgabe &quot;&lt;Custom&gt;&quot;), ohne
                                  Beachtung der Groß-/Kleinschreibung.
  --keep-order                    Menüs in der Reihenfolge der Quelle statt sortiert.

Für jedes Ziel:
  --only FOLDER        Nur diesen Ordner mit allem darunter exportieren; FOLDER ist
                       eine Ordnerzeile, wie &quot;list&quot; sie ausgibt. Wiederholbar. Ohne
                       diese Option wird alles exportiert.
  -q, --quiet          Weder Fortschritt noch Ergebnis noch Angaben zum Zusammenführen
                       ausgeben; Fehler und Warnungen erscheinen weiterhin.
</translation>
    </message>
    <message>
        <source>Count the folders and links of a source.</source>
        <translation>Die Ordner und Links einer Quelle zählen.</translation>
    </message>
    <message>
        <source>Count the folders and links of the source PATH, of the form FORM, and print
&quot;F Folders &amp; L Links&quot;.
</source>
        <translation>Die Ordner und Links der Quelle PATH der Form FORM zählen und
&quot;F Ordner &amp; L Links&quot; ausgeben.
</translation>
    </message>
    <message>
        <source>  --json       Print {&quot;folders&quot;: F, &quot;links&quot;: L} instead.
</source>
        <translation>  --json       Stattdessen {&quot;folders&quot;: F, &quot;links&quot;: L} ausgeben.
</translation>
    </message>
    <message>
        <source>Print the tree of a source, as text or as JSON.</source>
        <translation>Den Baum einer Quelle als Text oder als JSON ausgeben.</translation>
    </message>
    <message>
        <source>Load the source PATH, of the form FORM, and print its tree: the root as
&quot;[0] caption&quot;, then each folder&apos;s entries in source order, two spaces deeper per
level; a folder as &quot;[R] Name&quot; (R is its folder row, the number --only of convert
takes), a link as &quot;Name &lt;URL&gt;&quot;, a separator as &quot;----&quot;; dates, keyword, tags,
description and the rest follow in braces.
</source>
        <translation>Die Quelle PATH der Form FORM laden und ihren Baum ausgeben: die Wurzel als
&quot;[0] Titel&quot;, dann die Einträge jedes Ordners in der Reihenfolge der Quelle, je Ebene
zwei Leerzeichen tiefer; einen Ordner als &quot;[R] Name&quot; (R ist seine Ordnerzeile, die
Zahl, die --only von convert nimmt), einen Link als &quot;Name &lt;URL&gt;&quot;, eine Trennlinie als
&quot;----&quot;; Daten, Schlüsselwort, Schlagwörter, Beschreibung und der Rest folgen in
geschweiften Klammern.
</translation>
    </message>
    <message>
        <source>  --json       Print one compact JSON object instead: {&quot;title&quot;, &quot;row&quot;,
               &quot;children&quot;} for folders, {&quot;title&quot;, &quot;url&quot;} for links,
               {&quot;separator&quot;: true} for separators, each with &quot;added&quot;, &quot;modified&quot;, &quot;visited&quot; (seconds
               since 1970), &quot;keyword&quot;, &quot;tags&quot;, &quot;description&quot; and the other
               fields it keeps.
</source>
        <translation>  --json       Stattdessen ein kompaktes JSON-Objekt ausgeben: {&quot;title&quot;, &quot;row&quot;,
               &quot;children&quot;} für Ordner, {&quot;title&quot;, &quot;url&quot;} für Links,
               {&quot;separator&quot;: true} für Trennlinien, jeweils mit &quot;added&quot;, &quot;modified&quot;, &quot;visited&quot;
               (Sekunden seit 1970), &quot;keyword&quot;, &quot;tags&quot;, &quot;description&quot; und den
               übrigen Feldern, die er trägt.
</translation>
    </message>
    <message>
        <source>Convert a source into a destination, as the export windows do.</source>
        <translation>Eine Quelle in ein Ziel umwandeln, wie es die Exportfenster tun.</translation>
    </message>
    <message>
        <source>Convert SOURCE into DEST as the export windows do: check, back up, write, then
print &quot;F Folders &amp; L Links Exported Successfully.&quot;, or &quot;F Folders &amp; L Links
Exported.&quot; when part of it could not be written (what and why on standard
error). After a merge, standard error says where it went, the backup made and
the folder the bookmarks went into. Options that do not apply to DEST&apos;s form are
refused. While reading and writing, a line on standard error shows the progress
when it is a terminal.

SOURCE &quot;-&quot; reads the source from standard input, DEST &quot;-&quot; writes the destination
to standard output (not for a Favorites folder). Standard output then gets a new
file, written whole before any of it is sent: never merged, backed up or locked;
the result goes to standard error.
</source>
        <translation>SOURCE in DEST umwandeln, wie es die Exportfenster tun: prüfen, sichern, schreiben,
dann &quot;F Ordner &amp; L Links erfolgreich exportiert.&quot; ausgeben, oder &quot;F Ordner &amp; L Links
exportiert.&quot;, wenn ein Teil nicht geschrieben werden konnte (was und warum, steht in
der Standardfehlerausgabe). Nach dem Zusammenführen nennt die Standardfehlerausgabe
das Ziel, die angelegte Sicherung und den Ordner, in den die Lesezeichen kamen.
Optionen, die nicht zur Form von DEST passen, werden abgelehnt. Während des Lesens
und Schreibens zeigt eine Zeile der Standardfehlerausgabe den Fortschritt, wenn sie
ein Terminal ist.

SOURCE &quot;-&quot; liest die Quelle von der Standardeingabe, DEST &quot;-&quot; schreibt das Ziel in
die Standardausgabe (nicht für einen Favoritenordner). Die Standardausgabe erhält
dann eine neue Datei, ganz geschrieben, bevor etwas davon gesendet wird: nie
zusammengeführt, gesichert oder gesperrt; das Ergebnis geht in die
Standardfehlerausgabe.
</translation>
    </message>
    <message>
        <source>Print the bookmark files, databases and hotlists found on this machine.</source>
        <translation>Die auf diesem Rechner gefundenen Lesezeichendateien, Datenbanken und Hotlists ausgeben.</translation>
    </message>
    <message>
        <source>Print the bookmark files, databases and hotlists found on this machine, one per
line: each Firefox profile&apos;s bookmarks.html as &quot;&lt;profile&gt; path&quot;, Opera&apos;s hotlist,
then each Firefox profile&apos;s places.sqlite, the profile each installation uses
first, then each Chromium-family profile&apos;s Bookmarks as &quot;&lt;Browser: profile&gt; path&quot;.
A Firefox source, and a Chromium source or destination, may be given as its
profile folder.
</source>
        <translation>Die auf diesem Rechner gefundenen Lesezeichendateien, Datenbanken und Hotlists
ausgeben, eine pro Zeile: die bookmarks.html jedes Firefox-Profils als
&quot;&lt;Profil&gt; Pfad&quot;, die Hotlist von Opera, dann die places.sqlite jedes Firefox-Profils,
das Profil jeder Installation zuerst, dann die Bookmarks jedes Profils der
Chromium-Familie als &quot;&lt;Browser: Profil&gt; Pfad&quot;. Eine Firefox-Quelle sowie eine
Chromium-Quelle oder ein Chromium-Ziel können als Profilordner angegeben werden.
</translation>
    </message>
    <message>
        <source>  --json       Print an array of {&quot;browser&quot;, &quot;profile&quot;, &quot;form&quot;, &quot;path&quot;} instead;
               &quot;form&quot; is the name --from takes, &quot;profile&quot; null where the
               browser has none.
</source>
        <translation>  --json       Stattdessen ein Array von {&quot;browser&quot;, &quot;profile&quot;, &quot;form&quot;, &quot;path&quot;}
               ausgeben; &quot;form&quot; ist der Name, den --from nimmt, &quot;profile&quot; null,
               wo der Browser keine Profile hat.
</translation>
    </message>
    <message>
        <source>Forms:
</source>
        <translation>Formen:
</translation>
    </message>
    <message>
        <source> (PATH is the folder)</source>
        <translation> (PATH ist der Ordner)</translation>
    </message>
    <message>
        <source> (destination only)</source>
        <translation> (nur als Ziel)</translation>
    </message>
    <message>
        <source> (source only)</source>
        <translation> (nur als Quelle)</translation>
    </message>
    <message>
        <source>A Chromium source or destination may be given as its profile folder.
</source>
        <translation>Eine Chromium-Quelle oder ein Chromium-Ziel kann als Profilordner angegeben werden.
</translation>
    </message>
    <message>
        <source>Usage: orvalink-cli COMMAND [OPTIONS]
       orvalink-cli help [COMMAND]
       orvalink-cli --version

</source>
        <translation>Aufruf: orvalink-cli COMMAND [OPTIONS]
        orvalink-cli help [COMMAND]
        orvalink-cli --version

</translation>
    </message>
    <message>
        <source>
Commands:
</source>
        <translation>
Befehle:
</translation>
    </message>
    <message>
        <source>
Options:
  -h, --help      Show this help, or after a command, its help.
  -V, --version   Show the version.

Run &apos;orvalink-cli help COMMAND&apos; for a command&apos;s options.

</source>
        <translation>
Optionen:
  -h, --help      Diese Hilfe zeigen, nach einem Befehl dessen Hilfe.
  -V, --version   Die Version zeigen.

&apos;orvalink-cli help COMMAND&apos; zeigt die Optionen eines Befehls.

</translation>
    </message>
    <message>
        <source>Usage: orvalink-cli %1 %2

%3</source>
        <translation>Aufruf: orvalink-cli %1 %2

%3</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>  -h, --help   Show this help.
</source>
        <translation>  -h, --help   Diese Hilfe zeigen.
</translation>
    </message>
</context>
<context>
    <name>orvalink::cli::CommandLine</name>
    <message>
        <source>--from is required.</source>
        <translation>--from ist erforderlich.</translation>
    </message>
    <message>
        <source>Give exactly one source path.</source>
        <translation>Geben Sie genau einen Quellpfad an.</translation>
    </message>
    <message>
        <source>%1 Folders &amp; %2 Links</source>
        <translation>%1 Ordner &amp; %2 Links</translation>
    </message>
    <message>
        <source>discover takes no arguments but --json.</source>
        <translation>discover nimmt keine Argumente außer --json.</translation>
    </message>
    <message>
        <source>help takes at most one command.</source>
        <translation>help nimmt höchstens einen Befehl.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Try &apos;orvalink-cli %1--help&apos;.
</source>
        <translation>Siehe &apos;orvalink-cli %1--help&apos;.
</translation>
    </message>
    <message>
        <source>--%1 takes %2.</source>
        <translation>--%1 nimmt %2.</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2.</source>
        <translation>--%1 gilt nicht für %2.</translation>
    </message>
    <message>
        <source>--%1 and --%2 contradict each other.</source>
        <translation>--%1 und --%2 widersprechen einander.</translation>
    </message>
    <message>
        <source>--folder cannot go with --overwrite or --top-level.</source>
        <translation>--folder passt nicht zu --overwrite oder --top-level.</translation>
    </message>
    <message>
        <source>--where takes root, new or existing.</source>
        <translation>--where nimmt root, new oder existing.</translation>
    </message>
    <message>
        <source>--existing goes with --where existing, and only with it.</source>
        <translation>--existing gehört zu --where existing, und nur dazu.</translation>
    </message>
    <message>
        <source>--folder names the new folder of --where new.</source>
        <translation>--folder benennt den neuen Ordner von --where new.</translation>
    </message>
    <message>
        <source>--layout takes horizontal or vertical.</source>
        <translation>--layout nimmt horizontal oder vertical.</translation>
    </message>
    <message>
        <source>Please, insert a number in range [2-99]</source>
        <translation>Bitte geben Sie eine Zahl im Bereich [2-99] ein</translation>
    </message>
    <message>
        <source>There is no colour preset &quot;%1&quot;. The presets are: %2.</source>
        <translation>Es gibt keine Farbvorlage „%1“. Die Vorlagen sind: %2.</translation>
    </message>
    <message>
        <source>--only %1 is not a folder of the source.</source>
        <translation>--only %1 ist kein Ordner der Quelle.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>Merged into %1.</source>
        <translation>Zusammengeführt in %1.</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>Es wurde keine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>Backup made in %1.</source>
        <translation>Sicherung angelegt in %1.</translation>
    </message>
    <message>
        <source>The bookmarks went into the top level.</source>
        <translation>Die Lesezeichen kamen in die oberste Ebene.</translation>
    </message>
    <message>
        <source>The bookmarks went into the folder &quot;%1&quot;.</source>
        <translation>Die Lesezeichen kamen in den Ordner „%1“.</translation>
    </message>
    <message>
        <source>convert needs --from and --to.</source>
        <translation>convert braucht --from und --to.</translation>
    </message>
    <message>
        <source>Give a source and a destination path.</source>
        <translation>Geben Sie einen Quell- und einen Zielpfad an.</translation>
    </message>
    <message>
        <source>A Favorites folder cannot be standard input or standard output.</source>
        <translation>Ein Favoritenordner kann nicht Standardeingabe oder Standardausgabe sein.</translation>
    </message>
    <message>
        <source>Cannot Write to Standard Output</source>
        <translation>Schreiben in die Standardausgabe nicht möglich</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>The source and the destination are of the same form.</source>
        <translation>Quelle und Ziel haben dieselbe Form.</translation>
    </message>
    <message>
        <source>a Favorites folder</source>
        <translation>einen Favoritenordner</translation>
    </message>
    <message>
        <source>a bookmark file or hotlist</source>
        <translation>eine Lesezeichendatei oder Hotlist</translation>
    </message>
    <message>
        <source>a menu page</source>
        <translation>eine Menüseite</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>orvalink-cli: Cannot write to standard output: %1
</source>
        <translation>orvalink-cli: In die Standardausgabe kann nicht geschrieben werden: %1
</translation>
    </message>
    <message>
        <source>Counting: %1 folders</source>
        <translation>Zählen: %1 Ordner</translation>
    </message>
    <message>
        <source>Reading: %1 of %2 folders</source>
        <translation>Lesen: %1 von %2 Ordnern</translation>
    </message>
    <message>
        <source>Reading: %1 folders &amp; %2 links</source>
        <translation>Lesen: %1 Ordner &amp; %2 Links</translation>
    </message>
    <message>
        <source>Writing: folder %1 of %2</source>
        <translation>Schreiben: Ordner %1 von %2</translation>
    </message>
</context>
<context>
    <name>orvalink::frmAbout</name>
    <message>
        <source>About Orvalink</source>
        <translation>Über Orvalink</translation>
    </message>
    <message>
        <source>Orvalink - Version</source>
        <translation>Orvalink - Version</translation>
    </message>
    <message>
        <source>Total Exported Items:</source>
        <translation>Insgesamt exportierte Einträge:</translation>
    </message>
    <message>
        <source>Cascading menu engine written for Orvalink by its developers</source>
        <translation>Die Menü-Engine haben die Entwickler von Orvalink eigens geschrieben</translation>
    </message>
    <message>
        <source>Visit Our Home Page:</source>
        <translation>Besuchen Sie unsere Homepage:</translation>
    </message>
    <message>
        <source>Send an E-Mail To:</source>
        <translation>Schreiben Sie eine E-Mail an:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
</TS>
