<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>orvalink::AtomicTextFile</name>
    <message>
        <source>Not a Regular File</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error Opening the %1.</source>
        <translation>Erreur à l’ouverture (%1).</translation>
    </message>
    <message>
        <source>Please, Check You Have the Permission to Write this File.</source>
        <translation>Veuillez vérifier que vous avez le droit d’écrire ce fichier.</translation>
    </message>
    <message>
        <source>Error Writing the %1.</source>
        <translation>Erreur à l’écriture (%1).</translation>
    </message>
    <message>
        <source>Bookmark File</source>
        <translation>fichier de favoris</translation>
    </message>
</context>
<context>
    <name>orvalink::Backup</name>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Unable to Make a Backup of the Bookmark File.</source>
        <translation>Impossible de sauvegarder le fichier de favoris.</translation>
    </message>
    <message>
        <source>The Bookmark File Was Not Changed.</source>
        <translation>Le fichier de favoris n’a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>orvalink::BookmarkFileForm</name>
    <message>
        <source>a bookmark file such as Firefox&apos;s bookmarks.html</source>
        <translation>un fichier de favoris comme le bookmarks.html de Firefox</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>To Take It Into Firefox, Choose &quot;Import and Backup&quot; → &quot;Import Bookmarks from HTML…&quot; in Its Library.</source>
        <translation>Pour l’intégrer à Firefox, choisissez « Importation et sauvegarde » → « Importer des marque-pages au format HTML… » dans sa bibliothèque.</translation>
    </message>
</context>
<context>
    <name>orvalink::BookmarkFileReader</name>
    <message>
        <source>Not a Bookmark File</source>
        <translation>Pas un fichier de favoris</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Bookmark File.</source>
        <translation>Le fichier sélectionné n’est pas un fichier de favoris.</translation>
    </message>
    <message>
        <source>Please, Select Another Bookmark File.</source>
        <translation>Veuillez sélectionner un autre fichier de favoris.</translation>
    </message>
</context>
<context>
    <name>orvalink::BookmarkFileWriter</name>
    <message>
        <source>Incomplete Bookmark File</source>
        <translation>Fichier de favoris incomplet</translation>
    </message>
    <message>
        <source>The Bookmark File Was Not Changed.</source>
        <translation>Le fichier de favoris n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Ends Inside a Tag or a Comment.</source>
        <translation>Le fichier de favoris sélectionné se termine au milieu d’une balise ou d’un commentaire.</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Holds No List of Bookmarks.</source>
        <translation>Le fichier de favoris sélectionné ne contient aucune liste de favoris.</translation>
    </message>
</context>
<context>
    <name>orvalink::BrowseIELocation</name>
    <message>
        <source>Please, Select a Folder.</source>
        <translation>Veuillez sélectionner un dossier.</translation>
    </message>
    <message>
        <source>Unable to Autolocate IE Folder</source>
        <translation>Dossier IE introuvable automatiquement</translation>
    </message>
    <message>
        <source>Unable to AutoLocate the Internet Explorer Favorites Folder.</source>
        <translation>Impossible de trouver automatiquement le dossier des favoris d’Internet Explorer.</translation>
    </message>
    <message>
        <source>Please Insert It Manually.</source>
        <translation>Veuillez le saisir à la main.</translation>
    </message>
</context>
<context>
    <name>orvalink::CSetting</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>Le fichier est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Error Deleting Key (check if file is protected)</source>
        <translation>Erreur à la suppression de la clé (le fichier est-il protégé ?)</translation>
    </message>
</context>
<context>
    <name>orvalink::ChromiumForm</name>
    <message>
        <source>a Chromium, Chrome, Edge, Brave, Vivaldi or Opera Bookmarks file</source>
        <translation>un fichier Bookmarks de Chromium, Chrome, Edge, Brave, Vivaldi ou Opera</translation>
    </message>
    <message>
        <source>Chromium Bookmark Files</source>
        <translation>Fichiers de favoris Chromium</translation>
    </message>
</context>
<context>
    <name>orvalink::ChromiumWriter</name>
    <message>
        <source>Incomplete Bookmark File</source>
        <translation>Fichier de favoris incomplet</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Has No List of Other Bookmarks.</source>
        <translation>Le fichier de favoris sélectionné n’a pas de liste « Autres favoris ».</translation>
    </message>
    <message>
        <source>The Bookmark File Was Not Changed.</source>
        <translation>Le fichier de favoris n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Not a Chromium Bookmark File</source>
        <translation>Pas un fichier de favoris Chromium</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Chromium Bookmark File.</source>
        <translation>Le fichier sélectionné n’est pas un fichier de favoris Chromium.</translation>
    </message>
    <message>
        <source>Please, Select Another Chromium Bookmark File.</source>
        <translation>Veuillez sélectionner un autre fichier de favoris Chromium.</translation>
    </message>
</context>
<context>
    <name>orvalink::ColorPresets</name>
    <message>
        <source>A Menu Color Preset cannot be named %1.</source>
        <translation>Un jeu de couleurs de menu ne peut pas s’appeler %1.</translation>
    </message>
    <message>
        <source>There is no Menu Color Preset to delete.</source>
        <translation>Il n’y a aucun jeu de couleurs de menu à supprimer.</translation>
    </message>
</context>
<context>
    <name>orvalink::ConversionWindow</name>
    <message>
        <source>IE Favorites</source>
        <translation>Favoris IE</translation>
    </message>
    <message>
        <source>DHTML Menu</source>
        <translation>Menu DHTML</translation>
    </message>
    <message>
        <source>FF Bookmarks</source>
        <translation>Favoris FF</translation>
    </message>
    <message>
        <source>Opera Bookmarks</source>
        <translation>Favoris Opera</translation>
    </message>
    <message>
        <source>Chromium Bookmarks</source>
        <translation>Favoris Chromium</translation>
    </message>
    <message>
        <source>%1 to %2 - Orvalink</source>
        <translation>%1 vers %2 - Orvalink</translation>
    </message>
    <message>
        <source>Select a Bookmark File</source>
        <translation>Sélectionner un fichier de favoris</translation>
    </message>
    <message>
        <source>Select an Opera Hotlist File</source>
        <translation>Sélectionner un fichier hotlist Opera</translation>
    </message>
    <message>
        <source>Select a Chromium Bookmark File</source>
        <translation>Sélectionner un fichier de favoris Chromium</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Aucun fichier de favoris sélectionné</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File.</source>
        <translation>Veuillez sélectionner un fichier de favoris.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Go Back to the Main Window (ESC)</source>
        <translation>Revenir à la fenêtre principale (Échap)</translation>
    </message>
    <message>
        <source>Select the Favorites Folder Location</source>
        <translation>Sélectionner l’emplacement du dossier des favoris</translation>
    </message>
    <message>
        <source>Auto-Detect the Favorites Folder Location</source>
        <translation>Détecter automatiquement l’emplacement du dossier des favoris</translation>
    </message>
    <message>
        <source>&amp;Go Back to the Main Window</source>
        <translation>Re&amp;venir à la fenêtre principale</translation>
    </message>
    <message>
        <source>Location of Internet Explorer &amp;Favorites:</source>
        <translation>Emplacement des &amp;favoris d’Internet Explorer :</translation>
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
        <translation>Destination occupée</translation>
    </message>
    <message>
        <source>Another Export Is Writing to the Selected Destination.</source>
        <translation>Une autre exportation écrit dans la destination sélectionnée.</translation>
    </message>
    <message>
        <source>Please, Try Again When It Has Finished.</source>
        <translation>Veuillez réessayer lorsqu’elle sera terminée.</translation>
    </message>
</context>
<context>
    <name>orvalink::EntryListModel</name>
    <message>
        <source>Link Name</source>
        <translation>Nom du lien</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Date de création</translation>
    </message>
</context>
<context>
    <name>orvalink::ExportChecks</name>
    <message>
        <source>%1 is running</source>
        <translation>%1 est ouvert</translation>
    </message>
    <message>
        <source>The %1 browser appears to be running.</source>
        <translation>Le navigateur %1 semble être ouvert.</translation>
    </message>
    <message>
        <source>In order to export the bookmarks to %1,</source>
        <translation>Pour exporter les favoris vers %1,</translation>
    </message>
    <message>
        <source>it is necessary to close all the %1 browsers.</source>
        <translation>il faut fermer toutes les fenêtres de %1.</translation>
    </message>
    <message>
        <source>Backup of the Selected Bookmark File</source>
        <translation>La sauvegarde du fichier de favoris sélectionné</translation>
    </message>
</context>
<context>
    <name>orvalink::ExportRun</name>
    <message>
        <source>Their Internet Shortcuts Have No Address</source>
        <translation>Leurs raccourcis Internet n’ont pas d’adresse</translation>
    </message>
    <message>
        <source>Exporting Complete</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>%1 Folders &amp; %2 Links Exported Successfully.</source>
        <translation>%1 dossiers et %2 liens exportés avec succès.</translation>
    </message>
    <message>
        <source>Exporting Incomplete</source>
        <translation>Exportation incomplète</translation>
    </message>
    <message>
        <source>%1 Folders &amp; %2 Links Exported.</source>
        <translation>%1 dossiers et %2 liens exportés.</translation>
    </message>
    <message>
        <source>Exporting Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>Nothing Was Exported.</source>
        <translation>Rien n’a été exporté.</translation>
    </message>
    <message>
        <source>%1 Links Could Not Be Written.</source>
        <translation>%1 liens n’ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>%1 Folders Could Not Be Created.</source>
        <translation>%1 dossiers n’ont pas pu être créés.</translation>
    </message>
    <message>
        <source>Reason: %1.</source>
        <translation>Raison : %1.</translation>
    </message>
</context>
<context>
    <name>orvalink::ExportWindow</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
</context>
<context>
    <name>orvalink::FavoritesForm</name>
    <message>
        <source>an Internet Explorer Favorites folder</source>
        <translation>un dossier de favoris d’Internet Explorer</translation>
    </message>
    <message>
        <source>Selected Folder Does Not Exist</source>
        <translation>Le dossier sélectionné n’existe pas</translation>
    </message>
    <message>
        <source>The Selected Folder Does Not Exist.</source>
        <translation>Le dossier sélectionné n’existe pas.</translation>
    </message>
    <message>
        <source>Please, Select Another Folder.</source>
        <translation>Veuillez sélectionner un autre dossier.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Subfolder</source>
        <translation>sous-dossier</translation>
    </message>
</context>
<context>
    <name>orvalink::FavoritesReader</name>
    <message>
        <source>No Favorites folder was given.</source>
        <translation>Aucun dossier de favoris n’a été indiqué.</translation>
    </message>
    <message>
        <source>The Favorites folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier de favoris « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>The Favorites folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le dossier de favoris « %1 » ne peut pas être lu : %2.</translation>
    </message>
</context>
<context>
    <name>orvalink::FavoritesWriter</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The Favorites Folder Does Not Exist.</source>
        <translation>Le dossier des favoris n’existe pas.</translation>
    </message>
</context>
<context>
    <name>orvalink::FileDestinationOptions</name>
    <message>
        <source>What About the Old Bookmarks:</source>
        <translation>Que faire des anciens favoris :</translation>
    </message>
    <message>
        <source>Where to Export:</source>
        <translation>Où exporter :</translation>
    </message>
    <message>
        <source>Export Links Before Than Folders</source>
        <translation>Exporter les liens avant les dossiers</translation>
    </message>
    <message>
        <source>Make a Backup of the Bookmark File Before to Change It</source>
        <translation>Sauvegarder le fichier de favoris avant de le modifier</translation>
    </message>
    <message>
        <source>Export the Favorites Erasing ALL the Old Bookmarks</source>
        <translation>Exporter les favoris en effaçant TOUS les anciens favoris</translation>
    </message>
    <message>
        <source>Merge IE Favorites with Old Bookmarks</source>
        <translation>Fusionner les favoris IE avec les anciens favoris</translation>
    </message>
    <message>
        <source>Export in the Bookmark File Inside a New Folder</source>
        <translation>Exporter dans un nouveau dossier du fichier de favoris</translation>
    </message>
    <message>
        <source>Export in the Root of the Bookmark File</source>
        <translation>Exporter à la racine du fichier de favoris</translation>
    </message>
    <message>
        <source>Name of the Folder Where the Favorites Will Be Exported</source>
        <translation>Nom du dossier où les favoris seront exportés</translation>
    </message>
    <message>
        <source>Keep Folders, Links and Separators in the Order of the Source Instead of Sorting Them</source>
        <translation>Garder dossiers, liens et séparateurs dans l’ordre de la source au lieu de les trier</translation>
    </message>
    <message>
        <source>&amp;Backup Old Bookmarks</source>
        <translation>Sauve&amp;garder les anciens favoris</translation>
    </message>
    <message>
        <source>O&amp;verwrite Old Bookmarks</source>
        <translation>Rem&amp;placer les anciens favoris</translation>
    </message>
    <message>
        <source>Export in the &amp;Root Folder</source>
        <translation>Exporter dans le dossier ra&amp;cine</translation>
    </message>
    <message>
        <source>Export in a &amp;New Folder</source>
        <translation>Exporter dans un &amp;nouveau dossier</translation>
    </message>
    <message>
        <source>Export &amp;Links Before Than Folders</source>
        <translation>Exporter les liens &amp;avant les dossiers</translation>
    </message>
    <message>
        <source>&amp;Keep the Order of the Source</source>
        <translation>Garder l’or&amp;dre de la source</translation>
    </message>
</context>
<context>
    <name>orvalink::Files</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>No file was given.</source>
        <translation>Aucun fichier n’a été indiqué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>« %1 » est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or pipe, not a file.</source>
        <translation>« %1 » est un périphérique ou un tube, pas un fichier.</translation>
    </message>
</context>
<context>
    <name>orvalink::FirefoxDatabaseForm</name>
    <message>
        <source>Firefox&apos;s bookmark database, places.sqlite, or the profile folder holding it</source>
        <translation>la base de marque-pages de Firefox, places.sqlite, ou le dossier de profil qui la contient</translation>
    </message>
    <message>
        <source>Firefox Bookmark Databases</source>
        <translation>Bases de marque-pages Firefox</translation>
    </message>
</context>
<context>
    <name>orvalink::Form1</name>
    <message>
        <source>Export Favorites from Internet Explorer to ...</source>
        <translation>Exporter les favoris d’Internet Explorer vers ...</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to ...</source>
        <translation>Exporter les favoris de Firefox vers ...</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to ...</source>
        <translation>Exporter les favoris d’Opera vers ...</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to ...</source>
        <translation>Exporter les favoris de Chromium vers ...</translation>
    </message>
    <message>
        <source>Go Back to Main Window</source>
        <translation>Revenir à la fenêtre principale</translation>
    </message>
    <message>
        <source>(Last Selection)</source>
        <translation>(Dernière sélection)</translation>
    </message>
    <message>
        <source>IE Favorites</source>
        <translation>Favoris IE</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <source>Export Favorites from Internet Explorer to Firefox</source>
        <translation>Exporter les favoris d’Internet Explorer vers Firefox</translation>
    </message>
    <message>
        <source>Export Favorites from Internet Explorer to Opera</source>
        <translation>Exporter les favoris d’Internet Explorer vers Opera</translation>
    </message>
    <message>
        <source>Export Favorites in a Cascading Menu</source>
        <translation>Exporter les favoris dans un menu en cascade</translation>
    </message>
    <message>
        <source>Menu Page</source>
        <translation>Page de menu</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to Internet Explorer</source>
        <translation>Exporter les favoris de Firefox vers Internet Explorer</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to Opera</source>
        <translation>Exporter les favoris de Firefox vers Opera</translation>
    </message>
    <message>
        <source>Export Firefox Bookmarks in a Cascading Menu</source>
        <translation>Exporter les favoris Firefox dans un menu en cascade</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to Internet Explorer</source>
        <translation>Exporter les favoris d’Opera vers Internet Explorer</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to Firefox</source>
        <translation>Exporter les favoris d’Opera vers Firefox</translation>
    </message>
    <message>
        <source>Export Opera Bookmarks in a Cascading Menu</source>
        <translation>Exporter les favoris Opera dans un menu en cascade</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chromium</translation>
    </message>
    <message>
        <source>Export Favorites from Internet Explorer to Chromium</source>
        <translation>Exporter les favoris d’Internet Explorer vers Chromium</translation>
    </message>
    <message>
        <source>Export Bookmarks from Firefox to Chromium</source>
        <translation>Exporter les favoris de Firefox vers Chromium</translation>
    </message>
    <message>
        <source>Export Bookmarks from Opera to Chromium</source>
        <translation>Exporter les favoris d’Opera vers Chromium</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to Internet Explorer</source>
        <translation>Exporter les favoris de Chromium vers Internet Explorer</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to Firefox</source>
        <translation>Exporter les favoris de Chromium vers Firefox</translation>
    </message>
    <message>
        <source>Export Bookmarks from Chromium to Opera</source>
        <translation>Exporter les favoris de Chromium vers Opera</translation>
    </message>
    <message>
        <source>Export Chromium Bookmarks in a Cascading Menu</source>
        <translation>Exporter les favoris Chromium dans un menu en cascade</translation>
    </message>
    <message>
        <source>Bookmark File Does Not Exist</source>
        <translation>Le fichier de favoris n’existe pas</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Does Not Exist.</source>
        <translation>Le fichier de favoris sélectionné n’existe pas.</translation>
    </message>
    <message>
        <source>Unknown Bookmark File</source>
        <translation>Fichier de favoris inconnu</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Bookmark File Orvalink Can Read.</source>
        <translation>Le fichier sélectionné n’est pas un fichier de favoris qu’Orvalink sait lire.</translation>
    </message>
    <message>
        <source>Orvalink</source>
        <translation>Orvalink</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>To Internet Explorer</source>
        <translation>Vers Internet Explorer</translation>
    </message>
    <message>
        <source>To Firefox</source>
        <translation>Vers Firefox</translation>
    </message>
    <message>
        <source>To Opera</source>
        <translation>Vers Opera</translation>
    </message>
    <message>
        <source>To Chromium</source>
        <translation>Vers Chromium</translation>
    </message>
    <message>
        <source>To DHTML Menu</source>
        <translation>Vers un menu DHTML</translation>
    </message>
    <message>
        <source>Export From Internet Explorer To...</source>
        <translation>Exporter depuis Internet Explorer vers...</translation>
    </message>
    <message>
        <source>Export From Firefox To...</source>
        <translation>Exporter depuis Firefox vers...</translation>
    </message>
    <message>
        <source>Export From Opera To...</source>
        <translation>Exporter depuis Opera vers...</translation>
    </message>
    <message>
        <source>Export From Chromium To...</source>
        <translation>Exporter depuis Chromium vers...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>orvalink::Form2</name>
    <message>
        <source>Filenames:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Favorites Folder Location</source>
        <translation>Emplacement du dossier des favoris</translation>
    </message>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris -</translation>
    </message>
    <message>
        <source>- Please Select an Opera Hotlist File -</source>
        <translation>- Veuillez sélectionner un fichier hotlist Opera -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris Chromium -</translation>
    </message>
    <message>
        <source>Select the File Where to Export the Favorites</source>
        <translation>Sélectionner le fichier où exporter les favoris</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist File Where to Export</source>
        <translation>Sélectionner le fichier hotlist Opera où exporter</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File Where to Export</source>
        <translation>Sélectionner le fichier de favoris Chromium où exporter</translation>
    </message>
    <message>
        <source>Start Exporting</source>
        <translation>Lancer l’exportation</translation>
    </message>
    <message>
        <source>Select Where To Export The IE Favorites</source>
        <translation>Choisir où exporter les favoris IE</translation>
    </message>
    <message>
        <source> (File Exists)</source>
        <translation> (fichier existant)</translation>
    </message>
    <message>
        <source> (New File)</source>
        <translation> (nouveau fichier)</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Aucun fichier de favoris sélectionné</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File Where to Export IE Favorites.</source>
        <translation>Veuillez sélectionner un fichier de favoris où exporter les favoris IE.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Merge IE Favorites with Old Bookmarks</source>
        <translation>F&amp;usionner les favoris IE avec les anciens favoris</translation>
    </message>
    <message>
        <source>S&amp;tart Exporting</source>
        <translation>&amp;Lancer l’exportation</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Emplacement des favoris Firefo&amp;x :</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Emplacement de la &amp;hotlist Opera :</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Emplacement des favoris Chro&amp;mium :</translation>
    </message>
</context>
<context>
    <name>orvalink::Form3</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
    <message>
        <source>Select Links - Orvalink</source>
        <translation>Sélection des liens - Orvalink</translation>
    </message>
    <message>
        <source>&amp;Confirm Selection</source>
        <translation>&amp;Confirmer la sélection</translation>
    </message>
    <message>
        <source>Confirm Selection and Exit</source>
        <translation>Confirmer la sélection et fermer</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Selected Folders / Total Folders</source>
        <translation>Dossiers sélectionnés / total des dossiers</translation>
    </message>
    <message>
        <source>Selected Links / Total Links</source>
        <translation>Liens sélectionnés / total des liens</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Fol&amp;ders</source>
        <translation>&amp;Dossiers</translation>
    </message>
    <message>
        <source>Check Current Folder</source>
        <translation>Cocher le dossier courant</translation>
    </message>
    <message>
        <source>Check Folder &amp;&amp; All Subs</source>
        <translation>Cocher le dossier &amp;&amp; tous ses sous-dossiers</translation>
    </message>
    <message>
        <source>Uncheck Current Folder</source>
        <translation>Décocher le dossier courant</translation>
    </message>
    <message>
        <source>Uncheck Folder &amp;&amp; All Subs</source>
        <translation>Décocher le dossier &amp;&amp; tous ses sous-dossiers</translation>
    </message>
    <message>
        <source>Check All Folders</source>
        <translation>Cocher tous les dossiers</translation>
    </message>
    <message>
        <source>Uncheck All Folders</source>
        <translation>Décocher tous les dossiers</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Tout déplier</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Tout replier</translation>
    </message>
    <message>
        <source>&amp;Links</source>
        <translation>&amp;Liens</translation>
    </message>
    <message>
        <source>Check Selected</source>
        <translation>Cocher la sélection</translation>
    </message>
    <message>
        <source>Uncheck Selected</source>
        <translation>Décocher la sélection</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Selected Folders</source>
        <translation>Dossiers sélectionnés</translation>
    </message>
    <message>
        <source>Selected Links</source>
        <translation>Liens sélectionnés</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Tick the Folders to Export</source>
        <translation>Cocher les dossiers à exporter</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Tick the Links of the Current Folder to Export</source>
        <translation>Cocher les liens du dossier courant à exporter</translation>
    </message>
    <message>
        <source>Find Links by Name or Address</source>
        <translation>Rechercher des liens par nom ou adresse</translation>
    </message>
    <message>
        <source>Find Links</source>
        <translation>Rechercher des liens</translation>
    </message>
</context>
<context>
    <name>orvalink::Form4</name>
    <message>
        <source>Filenames:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris -</translation>
    </message>
    <message>
        <source>- Please Select an Opera Hotlist File -</source>
        <translation>- Veuillez sélectionner un fichier hotlist Opera -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris Chromium -</translation>
    </message>
    <message>
        <source>Select the Bookmark File to Export</source>
        <translation>Sélectionner le fichier de favoris à exporter</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist File to Export</source>
        <translation>Sélectionner le fichier hotlist Opera à exporter</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File to Export</source>
        <translation>Sélectionner le fichier de favoris Chromium à exporter</translation>
    </message>
    <message>
        <source>Favorites Folder Location Where Export the Bookmarks</source>
        <translation>Emplacement du dossier des favoris où exporter les favoris</translation>
    </message>
    <message>
        <source>Export All Folders and Links contained in the Bookmark File</source>
        <translation>Exporter tous les dossiers et liens du fichier de favoris</translation>
    </message>
    <message>
        <source>Where to Export:</source>
        <translation>Où exporter :</translation>
    </message>
    <message>
        <source>Export Bookmarks in the Root of the Favorites Folder</source>
        <translation>Exporter les favoris à la racine du dossier des favoris</translation>
    </message>
    <message>
        <source>Export Bookmarks in a New Folder</source>
        <translation>Exporter les favoris dans un nouveau dossier</translation>
    </message>
    <message>
        <source>Export Bookmarks in a Existing Folder</source>
        <translation>Exporter les favoris dans un dossier existant</translation>
    </message>
    <message>
        <source>Name of the New Folder Where the Bookmarks Will Be Exported</source>
        <translation>Nom du nouveau dossier où les favoris seront exportés</translation>
    </message>
    <message>
        <source>Name of the Existing Folder Where the Bookmarks Will Be Exported</source>
        <translation>Nom du dossier existant où les favoris seront exportés</translation>
    </message>
    <message>
        <source>Select the Existing Folder Where to Export the Bookmarks</source>
        <translation>Sélectionner le dossier existant où exporter les favoris</translation>
    </message>
    <message>
        <source>Start the Exportation</source>
        <translation>Lancer l’exportation</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Please, Select a Folder.</source>
        <translation>Veuillez sélectionner un dossier.</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Aucun fichier de favoris sélectionné</translation>
    </message>
    <message>
        <source>Please, Select A Bookmark File.</source>
        <translation>Veuillez sélectionner un fichier de favoris.</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Emplacement des favoris Firefo&amp;x :</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Emplacement de la &amp;hotlist Opera :</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Emplacement des favoris Chro&amp;mium :</translation>
    </message>
    <message>
        <source>Export in the &amp;Root Folder</source>
        <translation>Exporter dans le dossier ra&amp;cine</translation>
    </message>
    <message>
        <source>Export in a &amp;New Folder</source>
        <translation>Exporter dans un &amp;nouveau dossier</translation>
    </message>
    <message>
        <source>Export in a E&amp;xisting Folder</source>
        <translation>Exporter dans un dossier e&amp;xistant</translation>
    </message>
    <message>
        <source>S&amp;tart Exporting</source>
        <translation>&amp;Lancer l’exportation</translation>
    </message>
</context>
<context>
    <name>orvalink::Form5</name>
    <message>
        <source>Color of the Menu Item Text</source>
        <translation>Couleur du texte des éléments de menu</translation>
    </message>
    <message>
        <source>Color of the Menu Item Text on MouseOver</source>
        <translation>Couleur du texte des éléments de menu au survol</translation>
    </message>
    <message>
        <source>Background Color of the Menu Items</source>
        <translation>Couleur de fond des éléments de menu</translation>
    </message>
    <message>
        <source>Background Color of the Menu Items on MouseOver</source>
        <translation>Couleur de fond des éléments de menu au survol</translation>
    </message>
    <message>
        <source>Border Color of the Menu Items</source>
        <translation>Couleur de bordure des éléments de menu</translation>
    </message>
    <message>
        <source>Border Color of the Menu Items on MouseOver</source>
        <translation>Couleur de bordure des éléments de menu au survol</translation>
    </message>
    <message>
        <source>Background Color of the Page</source>
        <translation>Couleur de fond de la page</translation>
    </message>
    <message>
        <source>Color of the Top Menu Bar</source>
        <translation>Couleur de la barre de menus</translation>
    </message>
    <message>
        <source>Filenames:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Favorites Folder Location</source>
        <translation>Emplacement du dossier des favoris</translation>
    </message>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris -</translation>
    </message>
    <message>
        <source>- Please Select an Hotlist File -</source>
        <translation>- Veuillez sélectionner un fichier hotlist -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris Chromium -</translation>
    </message>
    <message>
        <source>Select the Bookmark File to Export</source>
        <translation>Sélectionner le fichier de favoris à exporter</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist to Export</source>
        <translation>Sélectionner la hotlist Opera à exporter</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File to Export</source>
        <translation>Sélectionner le fichier de favoris Chromium à exporter</translation>
    </message>
    <message>
        <source>Select Where to Save the DHTML Menu</source>
        <translation>Choisir où enregistrer le menu DHTML</translation>
    </message>
    <message>
        <source>Menu Colors:</source>
        <translation>Couleurs du menu :</translation>
    </message>
    <message>
        <source>MouseOut:</source>
        <translation>Normal :</translation>
    </message>
    <message>
        <source>MouseOver:</source>
        <translation>Survol :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>Bordure :</translation>
    </message>
    <message>
        <source>Choose a Menu Color Preset</source>
        <translation>Choisir un jeu de couleurs de menu</translation>
    </message>
    <message>
        <source>Save the Current Colors as a Menu Color Preset</source>
        <translation>Enregistrer les couleurs actuelles comme jeu de couleurs de menu</translation>
    </message>
    <message>
        <source>Delete the Selected Menu Color Preset</source>
        <translation>Supprimer le jeu de couleurs de menu sélectionné</translation>
    </message>
    <message>
        <source>Open the Links in a New Browser Window</source>
        <translation>Ouvrir les liens dans une nouvelle fenêtre du navigateur</translation>
    </message>
    <message>
        <source>Show the Link&apos;s URL in the Browser&apos;s StatusBar</source>
        <translation>Afficher l’URL du lien dans la barre d’état du navigateur</translation>
    </message>
    <message>
        <source>Put the Top Menu Down the Left Side of the Page</source>
        <translation>Placer le menu principal le long du bord gauche de la page</translation>
    </message>
    <message>
        <source>Draw Shadows Under the Submenus</source>
        <translation>Dessiner des ombres sous les sous-menus</translation>
    </message>
    <message>
        <source>Continue Long Submenus in a New Submenu</source>
        <translation>Continuer les longs sous-menus dans un nouveau sous-menu</translation>
    </message>
    <message>
        <source>Keep Folders and Links in the Order of the Source Instead of Sorting Them</source>
        <translation>Garder dossiers et liens dans l’ordre de la source au lieu de les trier</translation>
    </message>
    <message>
        <source>Number of Items Before a Submenu Continues (2-99)</source>
        <translation>Nombre d’éléments avant la suite d’un sous-menu (2-99)</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>éléments</translation>
    </message>
    <message>
        <source>Page Settings:</source>
        <translation>Réglages de la page :</translation>
    </message>
    <message>
        <source>Title of the Page</source>
        <translation>Titre de la page</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Couleur de fond :</translation>
    </message>
    <message>
        <source>Top Menu Bar Color:</source>
        <translation>Couleur de la barre de menus :</translation>
    </message>
    <message>
        <source>Show the Date and the Number of Folders and Links Below the Menu</source>
        <translation>Afficher la date et le nombre de dossiers et de liens sous le menu</translation>
    </message>
    <message>
        <source>Open the Page in the Web Browser When It Is Done</source>
        <translation>Ouvrir la page dans le navigateur une fois créée</translation>
    </message>
    <message>
        <source>Create the DHTML Menu Page</source>
        <translation>Créer la page du menu DHTML</translation>
    </message>
    <message>
        <source>Select Where To Save The DHTML Menu</source>
        <translation>Choisir où enregistrer le menu DHTML</translation>
    </message>
    <message>
        <source> (File Exists)</source>
        <translation> (fichier existant)</translation>
    </message>
    <message>
        <source> (New File)</source>
        <translation> (nouveau fichier)</translation>
    </message>
    <message>
        <source>Save Menu Color Preset</source>
        <translation>Enregistrer le jeu de couleurs de menu</translation>
    </message>
    <message>
        <source>Please, Insert the name of the Menu Color Preset:</source>
        <translation>Veuillez saisir le nom du jeu de couleurs de menu :</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Confirmer le remplacement</translation>
    </message>
    <message>
        <source>The name %1 already exists.</source>
        <translation>Le nom %1 existe déjà.</translation>
    </message>
    <message>
        <source>Do You want to overwrite the existing Menu Color Preset?</source>
        <translation>Voulez-vous remplacer le jeu de couleurs de menu existant ?</translation>
    </message>
    <message>
        <source> Confirm Deleting</source>
        <translation> Confirmer la suppression</translation>
    </message>
    <message>
        <source>Really delete the current Menu Color Preset &quot;%1&quot;?</source>
        <translation>Supprimer vraiment le jeu de couleurs de menu « %1 » ?</translation>
    </message>
    <message>
        <source>Orvalink</source>
        <translation>Orvalink</translation>
    </message>
    <message>
        <source>Please, insert a number in range [2-99]</source>
        <translation>Veuillez saisir un nombre compris dans [2-99]</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Aucun fichier de favoris sélectionné</translation>
    </message>
    <message>
        <source>Please, Select A Bookmark File.</source>
        <translation>Veuillez sélectionner un fichier de favoris.</translation>
    </message>
    <message>
        <source>Location of the &amp;DHTML Menu:</source>
        <translation>Emplacement du menu &amp;DHTML :</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>Favo&amp;ris</translation>
    </message>
    <message>
        <source>&amp;Menu Properties</source>
        <translation>Propriétés du &amp;menu</translation>
    </message>
    <message>
        <source>&amp;Page Properties</source>
        <translation>Propriétés de la &amp;page</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Emplacement des favoris Firefo&amp;x :</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Emplacement de la &amp;hotlist Opera :</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Emplacement des favoris Chr&amp;omium :</translation>
    </message>
    <message>
        <source>Menu Color Pr&amp;eset:</source>
        <translation>&amp;Jeu de couleurs du menu :</translation>
    </message>
    <message>
        <source>&amp;Save Preset...</source>
        <translation>&amp;Enregistrer le jeu...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>&amp;Supprimer le jeu</translation>
    </message>
    <message>
        <source>&amp;Open Links in a New Window</source>
        <translation>&amp;Ouvrir les liens dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Show &amp;URL in the StatusBar</source>
        <translation>Afficher l’&amp;URL dans la barre d’état</translation>
    </message>
    <message>
        <source>&amp;Vertical Menu</source>
        <translation>Menu ver&amp;tical</translation>
    </message>
    <message>
        <source>Draw Menu S&amp;hadows</source>
        <translation>Dessiner les om&amp;bres des menus</translation>
    </message>
    <message>
        <source>Break Submenu &amp;After</source>
        <translation>Couper les sous-menus &amp;après</translation>
    </message>
    <message>
        <source>&amp;Keep the Order of the Source</source>
        <translation>&amp;Garder l’ordre de la source</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Show Page &amp;Informations</source>
        <translation>Afficher les &amp;informations de la page</translation>
    </message>
    <message>
        <source>&amp;When finished show in web browser</source>
        <translation>Afficher e&amp;nsuite dans le navigateur</translation>
    </message>
    <message>
        <source>&amp;Create the Menu</source>
        <translation>&amp;Créer le menu</translation>
    </message>
</context>
<context>
    <name>orvalink::Form6</name>
    <message>
        <source>- Please Select a Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris -</translation>
    </message>
    <message>
        <source>- Please Select an Opera Hotlist File -</source>
        <translation>- Veuillez sélectionner un fichier hotlist Opera -</translation>
    </message>
    <message>
        <source>- Please Select a Chromium Bookmark File -</source>
        <translation>- Veuillez sélectionner un fichier de favoris Chromium -</translation>
    </message>
    <message>
        <source>Firefox Bookmarks</source>
        <translation>favoris Firefox</translation>
    </message>
    <message>
        <source>Opera Bookmarks</source>
        <translation>favoris Opera</translation>
    </message>
    <message>
        <source>Chromium Bookmarks</source>
        <translation>favoris Chromium</translation>
    </message>
    <message>
        <source>Export All Folders and Links contained in the Favorites Folder</source>
        <translation>Exporter tous les dossiers et liens du dossier des favoris</translation>
    </message>
    <message>
        <source>Filenames:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Select the Bookmark File to Export</source>
        <translation>Sélectionner le fichier de favoris à exporter</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist to Export</source>
        <translation>Sélectionner la hotlist Opera à exporter</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File to Export</source>
        <translation>Sélectionner le fichier de favoris Chromium à exporter</translation>
    </message>
    <message>
        <source>Select the File Where to Export the %1</source>
        <translation>Sélectionner le fichier où exporter les %1</translation>
    </message>
    <message>
        <source>Select the Opera Hotlist File Where to Export</source>
        <translation>Sélectionner le fichier hotlist Opera où exporter</translation>
    </message>
    <message>
        <source>Select the Chromium Bookmark File Where to Export</source>
        <translation>Sélectionner le fichier de favoris Chromium où exporter</translation>
    </message>
    <message>
        <source>Start Exporting</source>
        <translation>Lancer l’exportation</translation>
    </message>
    <message>
        <source>Select Where To Export The %1</source>
        <translation>Choisir où exporter les %1</translation>
    </message>
    <message>
        <source>FF Bookmarks</source>
        <translation>favoris FF</translation>
    </message>
    <message>
        <source> (File Exists)</source>
        <translation> (fichier existant)</translation>
    </message>
    <message>
        <source> (New File)</source>
        <translation> (nouveau fichier)</translation>
    </message>
    <message>
        <source>Bookmark File Not Selected</source>
        <translation>Aucun fichier de favoris sélectionné</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File to Export.</source>
        <translation>Veuillez sélectionner un fichier de favoris à exporter.</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File Where to Export.</source>
        <translation>Veuillez sélectionner un fichier de favoris où exporter.</translation>
    </message>
    <message>
        <source>Location of Fi&amp;refox Bookmarks:</source>
        <translation>Emplacement des favoris Firefo&amp;x :</translation>
    </message>
    <message>
        <source>Location of Opera Hot&amp;list:</source>
        <translation>Emplacement de la &amp;hotlist Opera :</translation>
    </message>
    <message>
        <source>Location of C&amp;hromium Bookmarks:</source>
        <translation>Emplacement des favoris Chro&amp;mium :</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Merge %1 with Old %2</source>
        <translation>F&amp;usionner les %1 avec les anciens %2</translation>
    </message>
    <message>
        <source>S&amp;tart Exporting</source>
        <translation>&amp;Lancer l’exportation</translation>
    </message>
</context>
<context>
    <name>orvalink::FormChecks</name>
    <message>
        <source>Bookmark File Does Not Exist</source>
        <translation>Le fichier de favoris n’existe pas</translation>
    </message>
    <message>
        <source>The Selected Bookmark File Does Not Exist Anymore.</source>
        <translation>Le fichier de favoris sélectionné n’existe plus.</translation>
    </message>
    <message>
        <source>Please, Select Another Bookmark File.</source>
        <translation>Veuillez sélectionner un autre fichier de favoris.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The Path of the Selected %1 File Does Not Exists.</source>
        <translation>Le chemin du fichier %1 sélectionné n’existe pas.</translation>
    </message>
    <message>
        <source>Please, Select Another Destination.</source>
        <translation>Veuillez sélectionner une autre destination.</translation>
    </message>
    <message>
        <source>The %1 is Not a Regular File.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Read-Only Bookmark File</source>
        <translation>Fichier de favoris en lecture seule</translation>
    </message>
    <message>
        <source>The Selected %1 File is Read-Only.</source>
        <translation>Le fichier %1 sélectionné est en lecture seule.</translation>
    </message>
    <message>
        <source>Please, Select Another Bookmark File or Change Attribute.</source>
        <translation>Veuillez sélectionner un autre fichier de favoris ou modifier l’attribut.</translation>
    </message>
    <message>
        <source>Selected Subfolder Does Not Exist</source>
        <translation>Le sous-dossier sélectionné n’existe pas</translation>
    </message>
    <message>
        <source>The Selected %1 Where To Export The Bookmarks</source>
        <translation>Le %1 sélectionné où exporter les favoris</translation>
    </message>
    <message>
        <source>Does Not Exist Anymore. Please, Change Selection.</source>
        <translation>n’existe plus. Veuillez modifier la sélection.</translation>
    </message>
</context>
<context>
    <name>orvalink::HotlistForm</name>
    <message>
        <source>an Opera hotlist (.adr)</source>
        <translation>une hotlist Opera (.adr)</translation>
    </message>
    <message>
        <source>Hotlist Files</source>
        <translation>Fichiers hotlist</translation>
    </message>
    <message>
        <source>Opera Hotlist Files</source>
        <translation>Fichiers hotlist Opera</translation>
    </message>
</context>
<context>
    <name>orvalink::HotlistReader</name>
    <message>
        <source>Not an Opera Hotlist</source>
        <translation>Pas une hotlist Opera</translation>
    </message>
    <message>
        <source>The Selected File Is Not an Opera Hotlist.</source>
        <translation>Le fichier sélectionné n’est pas une hotlist Opera.</translation>
    </message>
    <message>
        <source>Please, Select Another Opera Hotlist File.</source>
        <translation>Veuillez sélectionner un autre fichier hotlist Opera.</translation>
    </message>
</context>
<context>
    <name>orvalink::LocationList</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Retrieving Bookmark Files</source>
        <translation>Recherche des fichiers de favoris</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Select a Bookmark File</source>
        <translation>Sélectionner un fichier de favoris</translation>
    </message>
    <message>
        <source>The Selected File Does Not Contain Any Bookmark.</source>
        <translation>Le fichier sélectionné ne contient aucun favori.</translation>
    </message>
</context>
<context>
    <name>orvalink::MenuPageForm</name>
    <message>
        <source>a cascading menu page</source>
        <translation>une page de menus en cascade</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>Selected DHTML Menu File</source>
        <translation>Le fichier de menu DHTML sélectionné</translation>
    </message>
    <message>
        <source>DHTML Menu</source>
        <translation>de menu DHTML</translation>
    </message>
</context>
<context>
    <name>orvalink::MenuPageGenerator</name>
    <message>
        <source>Menu Page</source>
        <translation>page de menu</translation>
    </message>
</context>
<context>
    <name>orvalink::MenuPreview</name>
    <message>
        <source>Preview of the Menuitems on the Mouseout Status</source>
        <translation>Aperçu des éléments de menu à l’état normal</translation>
    </message>
    <message>
        <source>Preview of the Menuitems on the Mouseover Status</source>
        <translation>Aperçu des éléments de menu au survol</translation>
    </message>
    <message>
        <source>MenuItem Preview:</source>
        <translation>Aperçu des éléments :</translation>
    </message>
    <message>
        <source>Click to set the background color</source>
        <translation>Cliquer pour choisir la couleur de fond</translation>
    </message>
    <message>
        <source>Click to set the menu bar color</source>
        <translation>Cliquer pour choisir la couleur de la barre de menus</translation>
    </message>
    <message>
        <source>Click to set the border color</source>
        <translation>Cliquer pour choisir la couleur de bordure</translation>
    </message>
    <message>
        <source>Click to set the background color (Use SHIFT to set the text color)</source>
        <translation>Cliquer pour choisir la couleur de fond (avec MAJ, la couleur du texte)</translation>
    </message>
</context>
<context>
    <name>orvalink::PlacesSnapshot</name>
    <message>
        <source>Not a Firefox Bookmark Database</source>
        <translation>Pas une base de marque-pages Firefox</translation>
    </message>
    <message>
        <source>The Selected File Is Not a Firefox Bookmark Database.</source>
        <translation>Le fichier sélectionné n’est pas une base de marque-pages Firefox.</translation>
    </message>
    <message>
        <source>Please, Select a Firefox Profile&apos;s places.sqlite.</source>
        <translation>Veuillez sélectionner le places.sqlite d’un profil Firefox.</translation>
    </message>
    <message>
        <source>Unknown Firefox Bookmark Database</source>
        <translation>Base de marque-pages Firefox inconnue</translation>
    </message>
    <message>
        <source>This Firefox Bookmark Database Is of a Version Orvalink Cannot Read.</source>
        <translation>Cette base de marque-pages Firefox est d’une version qu’Orvalink ne sait pas lire.</translation>
    </message>
    <message>
        <source>Please, Export the Bookmarks From Firefox to an HTML File and Select That File.</source>
        <translation>Veuillez exporter les marque-pages de Firefox dans un fichier HTML et sélectionner ce fichier.</translation>
    </message>
    <message>
        <source>Unreadable Firefox Bookmark Database</source>
        <translation>Base de marque-pages Firefox illisible</translation>
    </message>
    <message>
        <source>The Selected Firefox Bookmark Database Cannot Be Read.</source>
        <translation>La base de marque-pages Firefox sélectionnée ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Firefox Bookmark Database</source>
        <translation>Base de marque-pages Firefox</translation>
    </message>
    <message>
        <source>Orvalink Never Writes Firefox&apos;s Bookmark Database.</source>
        <translation>Orvalink n’écrit jamais dans la base de marque-pages de Firefox.</translation>
    </message>
    <message>
        <source>Please, Select a Bookmark File (.html) and Import It in Firefox.</source>
        <translation>Veuillez sélectionner un fichier de favoris (.html) et l’importer dans Firefox.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The Database File Is Cut Off.</source>
        <translation>Le fichier de la base est tronqué.</translation>
    </message>
    <message>
        <source>The Database Could Not Be Copied to a Temporary Folder.</source>
        <translation>La base n’a pas pu être copiée dans un dossier temporaire.</translation>
    </message>
</context>
<context>
    <name>orvalink::Progress</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Searching Folder: %1</source>
        <translation>Recherche dans le dossier : %1</translation>
    </message>
    <message>
        <source>Exporting From Folder: %1</source>
        <translation>Exportation du dossier : %1</translation>
    </message>
</context>
<context>
    <name>orvalink::SourceFile</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>orvalink::StorageForm</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Orvalink cannot read %1.</source>
        <translation>Orvalink ne sait pas lire %1.</translation>
    </message>
    <message>
        <source>Selected Bookmark File</source>
        <translation>Le fichier de favoris sélectionné</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>de favoris</translation>
    </message>
    <message>
        <source>Orvalink cannot write %1.</source>
        <translation>Orvalink ne sait pas écrire %1.</translation>
    </message>
    <message>
        <source>Imported from %1 (%2)</source>
        <translation>Importé de %1 (%2)</translation>
    </message>
</context>
<context>
    <name>orvalink::WhatToExportFrame</name>
    <message>
        <source>What to Export: (%1 Folders &amp;&amp; %2 Links)</source>
        <translation>Quoi exporter : (%1 dossiers &amp;&amp; %2 liens)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Export All Folders and Links</source>
        <translation>Exporter tous les dossiers et liens</translation>
    </message>
    <message>
        <source>Export Only the Selected Folders and Links</source>
        <translation>Exporter seulement les dossiers et liens sélectionnés</translation>
    </message>
    <message>
        <source>Select Folders and Links to Export</source>
        <translation>Sélectionner les dossiers et liens à exporter</translation>
    </message>
    <message>
        <source>Export &amp;All Folders &amp;&amp; Links</source>
        <translation>Exporter &amp;tous les dossiers &amp;&amp; liens</translation>
    </message>
    <message>
        <source>Export S&amp;elected Folders &amp;&amp; Links</source>
        <translation>Exporter les dossiers &amp;&amp; liens &amp;sélectionnés</translation>
    </message>
    <message>
        <source>Select Lin&amp;ks...</source>
        <translation>Sélectionner les l&amp;iens...</translation>
    </message>
</context>
<context>
    <name>orvalink::cBrowseForFolder</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Assegnare un form al Browse For Folder</source>
        <translation>Aucune fenêtre n’est attribuée au sélecteur de dossier</translation>
    </message>
    <message>
        <source>Error: &amp;H</source>
        <translation>Erreur : &amp;H</translation>
    </message>
</context>
<context>
    <name>orvalink::cli::CommandHelp</name>
    <message>
        <source>Orvalink moves web-browser bookmarks between an Internet Explorer Favorites folder,
a Netscape bookmark file (Firefox&apos;s bookmarks.html) and an Opera hotlist (.adr),
and publishes them as a cascading menu page.
</source>
        <translation>Orvalink transfère les favoris des navigateurs entre un dossier de favoris
d’Internet Explorer, un fichier de favoris Netscape (le bookmarks.html de Firefox)
et une hotlist Opera (.adr), et les publie sous forme de page de menus en cascade.
</translation>
    </message>
    <message>
        <source>Standard output carries only results; messages go to standard error.
Exit status: 0 on success; 1 when a source cannot be read or is not of its form, a
check fails (nothing is written), a backup or write fails, any folder or link could
not be written, or the results cannot be written to standard output; 2 for bad
arguments.
</source>
        <translation>La sortie standard ne porte que les résultats ; les messages vont sur l’erreur standard.
Code de sortie : 0 en cas de succès ; 1 si une source ne peut pas être lue ou n’est pas
de sa forme, si une vérification échoue (rien n’est écrit), si une sauvegarde ou une
écriture échoue, si un dossier ou un lien n’a pas pu être écrit, ou si les résultats
ne peuvent pas être écrits sur la sortie standard ; 2 pour des arguments incorrects.
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
        <translation>Pour une destination fichier de favoris ou hotlist (seulement si DEST existe ; un
nouveau fichier est écrit en entier, à sa racine, sans sauvegarde) :
  --force              Écrire même si le navigateur de la destination est ouvert
                       (jamais pour le Bookmarks d’un navigateur de la famille Chromium).
  --overwrite          Remplacer DEST au lieu d’y fusionner (exporte aussi à la
                       racine).
  --top-level          Exporter à la racine au lieu d’un nouveau dossier.
  --folder NAME        Nom du nouveau dossier (par défaut : Importé de IE, FF ou
                       Opera, avec la date du jour entre parenthèses).
  --no-backup          Ne pas copier d’abord DEST vers Backup_of_ + son nom.
  --links-before       Dans chaque dossier, écrire ses liens avant ses sous-dossiers
                       (vaut aussi pour les nouveaux fichiers).
  --keep-order         Garder dossiers, liens et séparateurs dans l’ordre de la
                       source au lieu de les trier (vaut aussi pour les nouveaux fichiers).

Pour une destination dossier de favoris :
  --where root|new|existing
                       Exporter dans le dossier des favoris lui-même, dans un
                       nouveau dossier (par défaut) ou dans un sous-dossier existant.
  --folder NAME        Nom du nouveau dossier, pour --where new.
  --existing SUBFOLDER Le sous-dossier de DEST, pour --where existing.

Pour une destination page de menus :
  --layout horizontal|vertical    Menu principal en haut (par défaut) ou le long
                                  du bord gauche.
  --open-new, --same-window       Liens ouverts dans une nouvelle fenêtre (par défaut) ou dans la page.
  --show-url, --no-show-url       Adresse d’un lien dans la barre d’état (activé par défaut).
  --shadows, --no-shadows         Ombres sous les sous-menus (activé par défaut).
  --stats, --no-stats             Une ligne avec la date et les nombres (désactivé par défaut).
  --max-items N, --no-max-items   Couper les sous-menus après N éléments, de 2 à 99 (25 par défaut).
  --title TEXT                    Le titre de la page (par défaut &quot;Bookmarks By Orvalink&quot;).
  --preset NAME                   Un jeu de couleurs (par défaut &quot;&lt;Custom&gt;&quot;), sans
                                  tenir compte de la casse.
  --keep-order                    Menus dans l’ordre de la source au lieu d’être triés.

Pour toute destination :
  --only FOLDER        N’exporter que ce dossier et tout ce qu’il contient ; FOLDER
                       est une ligne de dossier telle que &quot;list&quot; l’affiche. Répétable.
                       Sans cette option, tout est exporté.
  -q, --quiet          N’afficher ni la progression, ni le résultat, ni ce qu’une
                       fusion a fait ; échecs et avertissements restent affichés.
</translation>
    </message>
    <message>
        <source>Count the folders and links of a source.</source>
        <translation>Compter les dossiers et les liens d’une source.</translation>
    </message>
    <message>
        <source>Count the folders and links of the source PATH, of the form FORM, and print
&quot;F Folders &amp; L Links&quot;.
</source>
        <translation>Compter les dossiers et les liens de la source PATH, de la forme FORM, et afficher
&quot;F dossiers et L liens&quot;.
</translation>
    </message>
    <message>
        <source>  --json       Print {&quot;folders&quot;: F, &quot;links&quot;: L} instead.
</source>
        <translation>  --json       Afficher plutôt {&quot;folders&quot;: F, &quot;links&quot;: L}.
</translation>
    </message>
    <message>
        <source>Print the tree of a source, as text or as JSON.</source>
        <translation>Afficher l’arbre d’une source, en texte ou en JSON.</translation>
    </message>
    <message>
        <source>Load the source PATH, of the form FORM, and print its tree: the root as
&quot;[0] caption&quot;, then each folder&apos;s entries in source order, two spaces deeper per
level; a folder as &quot;[R] Name&quot; (R is its folder row, the number --only of convert
takes), a link as &quot;Name &lt;URL&gt;&quot;, a separator as &quot;----&quot;; dates, keyword, tags,
description and the rest follow in braces.
</source>
        <translation>Charger la source PATH, de la forme FORM, et afficher son arbre : la racine sous la
forme &quot;[0] titre&quot;, puis les entrées de chaque dossier dans l’ordre de la source, deux
espaces plus loin par niveau ; un dossier sous la forme &quot;[R] Nom&quot; (R est sa ligne de
dossier, le nombre que prend --only de convert), un lien sous la forme &quot;Nom &lt;URL&gt;&quot;,
un séparateur sous la forme &quot;----&quot; ; dates, mot-clé, étiquettes, description et le
reste suivent entre accolades.
</translation>
    </message>
    <message>
        <source>  --json       Print one compact JSON object instead: {&quot;title&quot;, &quot;row&quot;,
               &quot;children&quot;} for folders, {&quot;title&quot;, &quot;url&quot;} for links,
               {&quot;separator&quot;: true} for separators, each with &quot;added&quot;, &quot;modified&quot;, &quot;visited&quot; (seconds
               since 1970), &quot;keyword&quot;, &quot;tags&quot;, &quot;description&quot; and the other
               fields it keeps.
</source>
        <translation>  --json       Afficher plutôt un objet JSON compact : {&quot;title&quot;, &quot;row&quot;,
               &quot;children&quot;} pour les dossiers, {&quot;title&quot;, &quot;url&quot;} pour les liens,
               {&quot;separator&quot;: true} pour les séparateurs, chacun avec &quot;added&quot;, &quot;modified&quot;,
               &quot;visited&quot; (secondes depuis 1970), &quot;keyword&quot;, &quot;tags&quot;, &quot;description&quot; et
               les autres champs qu’il garde.
</translation>
    </message>
    <message>
        <source>Convert a source into a destination, as the export windows do.</source>
        <translation>Convertir une source en une destination, comme le font les fenêtres d’exportation.</translation>
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
        <translation>Convertir SOURCE en DEST comme le font les fenêtres d’exportation : vérifier,
sauvegarder, écrire, puis afficher &quot;F dossiers et L liens exportés avec succès.&quot;, ou
&quot;F dossiers et L liens exportés.&quot; si une partie n’a pas pu être écrite (quoi et
pourquoi sur l’erreur standard). Après une fusion, l’erreur standard indique où
elle a eu lieu, la sauvegarde faite et le dossier où sont allés les favoris. Les
options qui ne conviennent pas à la forme de DEST sont refusées. Pendant la lecture
et l’écriture, une ligne sur l’erreur standard montre la progression si c’est un
terminal.

SOURCE &quot;-&quot; lit la source sur l’entrée standard, DEST &quot;-&quot; écrit la destination sur
la sortie standard (pas pour un dossier de favoris). La sortie standard reçoit
alors un nouveau fichier, écrit en entier avant d’être envoyé : jamais fusionné,
sauvegardé ni verrouillé ; le résultat va sur l’erreur standard.
</translation>
    </message>
    <message>
        <source>Print the bookmark files, databases and hotlists found on this machine.</source>
        <translation>Afficher les fichiers de favoris, bases et hotlists trouvés sur cette machine.</translation>
    </message>
    <message>
        <source>Print the bookmark files, databases and hotlists found on this machine, one per
line: each Firefox profile&apos;s bookmarks.html as &quot;&lt;profile&gt; path&quot;, Opera&apos;s hotlist,
then each Firefox profile&apos;s places.sqlite, the profile each installation uses
first, then each Chromium-family profile&apos;s Bookmarks as &quot;&lt;Browser: profile&gt; path&quot;.
A Firefox source, and a Chromium source or destination, may be given as its
profile folder.
</source>
        <translation>Afficher les fichiers de favoris, bases et hotlists trouvés sur cette machine, un
par ligne : le bookmarks.html de chaque profil Firefox sous la forme
&quot;&lt;profil&gt; chemin&quot;, la hotlist d’Opera, puis le places.sqlite de chaque profil
Firefox, le profil de chaque installation d’abord, puis le Bookmarks de chaque
profil de la famille Chromium sous la forme &quot;&lt;Navigateur: profil&gt; chemin&quot;. Une
source Firefox, et une source ou destination Chromium, peuvent être données par
leur dossier de profil.
</translation>
    </message>
    <message>
        <source>  --json       Print an array of {&quot;browser&quot;, &quot;profile&quot;, &quot;form&quot;, &quot;path&quot;} instead;
               &quot;form&quot; is the name --from takes, &quot;profile&quot; null where the
               browser has none.
</source>
        <translation>  --json       Afficher plutôt un tableau de {&quot;browser&quot;, &quot;profile&quot;, &quot;form&quot;, &quot;path&quot;} ;
               &quot;form&quot; est le nom que prend --from, &quot;profile&quot; vaut null quand
               le navigateur n’a pas de profil.
</translation>
    </message>
    <message>
        <source>Forms:
</source>
        <translation>Formes :
</translation>
    </message>
    <message>
        <source> (PATH is the folder)</source>
        <translation> (PATH est le dossier)</translation>
    </message>
    <message>
        <source> (destination only)</source>
        <translation> (destination seulement)</translation>
    </message>
    <message>
        <source> (source only)</source>
        <translation> (source seulement)</translation>
    </message>
    <message>
        <source>A Chromium source or destination may be given as its profile folder.
</source>
        <translation>Une source ou destination Chromium peut être donnée par son dossier de profil.
</translation>
    </message>
    <message>
        <source>Usage: orvalink-cli COMMAND [OPTIONS]
       orvalink-cli help [COMMAND]
       orvalink-cli --version

</source>
        <translation>Utilisation : orvalink-cli COMMAND [OPTIONS]
              orvalink-cli help [COMMAND]
              orvalink-cli --version

</translation>
    </message>
    <message>
        <source>
Commands:
</source>
        <translation>
Commandes :
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
Options :
  -h, --help      Afficher cette aide, ou après une commande, son aide.
  -V, --version   Afficher la version.

&apos;orvalink-cli help COMMAND&apos; affiche les options d’une commande.

</translation>
    </message>
    <message>
        <source>Usage: orvalink-cli %1 %2

%3</source>
        <translation>Utilisation : orvalink-cli %1 %2

%3</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Options :
</translation>
    </message>
    <message>
        <source>  -h, --help   Show this help.
</source>
        <translation>  -h, --help   Afficher cette aide.
</translation>
    </message>
</context>
<context>
    <name>orvalink::cli::CommandLine</name>
    <message>
        <source>--from is required.</source>
        <translation>--from est obligatoire.</translation>
    </message>
    <message>
        <source>Give exactly one source path.</source>
        <translation>Indiquez exactement un chemin de source.</translation>
    </message>
    <message>
        <source>%1 Folders &amp; %2 Links</source>
        <translation>%1 dossiers et %2 liens</translation>
    </message>
    <message>
        <source>discover takes no arguments but --json.</source>
        <translation>discover ne prend aucun argument à part --json.</translation>
    </message>
    <message>
        <source>help takes at most one command.</source>
        <translation>help prend au plus une commande.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande « %1 » inconnue.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Try &apos;orvalink-cli %1--help&apos;.
</source>
        <translation>Essayez &apos;orvalink-cli %1--help&apos;.
</translation>
    </message>
    <message>
        <source>--%1 takes %2.</source>
        <translation>--%1 prend %2.</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2.</source>
        <translation>--%1 ne s’applique pas à %2.</translation>
    </message>
    <message>
        <source>--%1 and --%2 contradict each other.</source>
        <translation>--%1 et --%2 se contredisent.</translation>
    </message>
    <message>
        <source>--folder cannot go with --overwrite or --top-level.</source>
        <translation>--folder ne va pas avec --overwrite ni --top-level.</translation>
    </message>
    <message>
        <source>--where takes root, new or existing.</source>
        <translation>--where prend root, new ou existing.</translation>
    </message>
    <message>
        <source>--existing goes with --where existing, and only with it.</source>
        <translation>--existing va avec --where existing, et seulement avec lui.</translation>
    </message>
    <message>
        <source>--folder names the new folder of --where new.</source>
        <translation>--folder nomme le nouveau dossier de --where new.</translation>
    </message>
    <message>
        <source>--layout takes horizontal or vertical.</source>
        <translation>--layout prend horizontal ou vertical.</translation>
    </message>
    <message>
        <source>Please, insert a number in range [2-99]</source>
        <translation>Veuillez saisir un nombre compris dans [2-99]</translation>
    </message>
    <message>
        <source>There is no colour preset &quot;%1&quot;. The presets are: %2.</source>
        <translation>Il n’y a pas de jeu de couleurs « %1 ». Les jeux sont : %2.</translation>
    </message>
    <message>
        <source>--only %1 is not a folder of the source.</source>
        <translation>--only %1 n’est pas un dossier de la source.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Impossible de lire l’entrée standard : %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Merged into %1.</source>
        <translation>Fusionné dans %1.</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>Aucune sauvegarde n’a été faite.</translation>
    </message>
    <message>
        <source>Backup made in %1.</source>
        <translation>Sauvegarde faite dans %1.</translation>
    </message>
    <message>
        <source>The bookmarks went into the top level.</source>
        <translation>Les favoris sont allés à la racine.</translation>
    </message>
    <message>
        <source>The bookmarks went into the folder &quot;%1&quot;.</source>
        <translation>Les favoris sont allés dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>convert needs --from and --to.</source>
        <translation>convert a besoin de --from et --to.</translation>
    </message>
    <message>
        <source>Give a source and a destination path.</source>
        <translation>Indiquez un chemin de source et un de destination.</translation>
    </message>
    <message>
        <source>A Favorites folder cannot be standard input or standard output.</source>
        <translation>Un dossier de favoris ne peut pas être l’entrée ou la sortie standard.</translation>
    </message>
    <message>
        <source>Cannot Write to Standard Output</source>
        <translation>Impossible d’écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>The source and the destination are of the same form.</source>
        <translation>La source et la destination sont de la même forme.</translation>
    </message>
    <message>
        <source>a Favorites folder</source>
        <translation>un dossier de favoris</translation>
    </message>
    <message>
        <source>a bookmark file or hotlist</source>
        <translation>un fichier de favoris ou une hotlist</translation>
    </message>
    <message>
        <source>a menu page</source>
        <translation>une page de menus</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d’écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>orvalink-cli: Cannot write to standard output: %1
</source>
        <translation>orvalink-cli: impossible d’écrire sur la sortie standard : %1
</translation>
    </message>
    <message>
        <source>Counting: %1 folders</source>
        <translation>Comptage : %1 dossiers</translation>
    </message>
    <message>
        <source>Reading: %1 of %2 folders</source>
        <translation>Lecture : %1 dossiers sur %2</translation>
    </message>
    <message>
        <source>Reading: %1 folders &amp; %2 links</source>
        <translation>Lecture : %1 dossiers et %2 liens</translation>
    </message>
    <message>
        <source>Writing: folder %1 of %2</source>
        <translation>Écriture : dossier %1 sur %2</translation>
    </message>
</context>
<context>
    <name>orvalink::frmAbout</name>
    <message>
        <source>About Orvalink</source>
        <translation>À propos d’Orvalink</translation>
    </message>
    <message>
        <source>Orvalink - Version</source>
        <translation>Orvalink - Version</translation>
    </message>
    <message>
        <source>Total Exported Items:</source>
        <translation>Total des éléments exportés :</translation>
    </message>
    <message>
        <source>Cascading menu engine written for Orvalink by its developers</source>
        <translation>Moteur de menus en cascade écrit pour Orvalink par ses développeurs</translation>
    </message>
    <message>
        <source>Visit Our Home Page:</source>
        <translation>Visitez notre site :</translation>
    </message>
    <message>
        <source>Send an E-Mail To:</source>
        <translation>Écrivez-nous à :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
</TS>
