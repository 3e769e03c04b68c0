#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Leaves a copy of a places.sqlite as a running Firefox leaves it: locked, with its newest change
# only in places.sqlite-wal. For tests that read Firefox's bookmarks while the browser runs.
#
# Usage: hold_places_wal.sh PLACES_SQLITE FOLDER
#
# Copies PLACES_SQLITE (a database in WAL mode, such as the one in
# tests/fixtures/firefox-profile) into FOLDER, adds one bookmark at the end of the Bookmarks
# Toolbar, "Only in the WAL" https://example.org/only-in-the-wal (guid walOnlyBkmrk, added and
# modified 1750000000000000), prints "ready" and keeps the database exclusively locked, as
# Firefox does, until its standard input closes.
#
# The process is sqlite3 itself: closing its standard input ends it cleanly (it then moves the
# log into the database and deletes it); killing it leaves places.sqlite-wal behind as a crashed
# Firefox would. Nothing writes the database file itself while the lock is held.
set -eu
if [ $# -ne 2 ] || [ ! -f "$1" ] || [ ! -d "$2" ]; then
    echo "usage: hold_places_wal.sh PLACES_SQLITE FOLDER" >&2
    exit 2
fi
database="$2/places.sqlite"
rm -f "$database" "$database-wal" "$database-shm"
cp "$1" "$database"
script="$2/hold_places_wal.sql"

# In exclusive locking mode SQLite keeps the write lock after the first commit and needs no
# shared-memory file; without automatic checkpoints the commit stays in the log. Firefox fills
# url_hash and origin_id with functions only it has: a reader must not need them.
cat >"$script" <<'SQL'
.output /dev/null
PRAGMA locking_mode = EXCLUSIVE;
PRAGMA wal_autocheckpoint = 0;
.output stdout
BEGIN;
INSERT INTO moz_places (url, rev_host, frecency, guid, foreign_count)
VALUES ('https://example.org/only-in-the-wal', 'gro.elpmaxe.', 1, 'walOnlyPlace', 1);
INSERT INTO moz_bookmarks (type, fk, parent, position, title, dateAdded, lastModified, guid)
SELECT 1, (SELECT id FROM moz_places WHERE guid = 'walOnlyPlace'), toolbar.id,
       (SELECT count(*) FROM moz_bookmarks WHERE parent = toolbar.id), 'Only in the WAL',
       1750000000000000, 1750000000000000, 'walOnlyBkmrk'
  FROM moz_bookmarks toolbar WHERE toolbar.guid = 'toolbar_____';
UPDATE moz_bookmarks SET lastModified = 1750000000000000 WHERE guid = 'toolbar_____';
COMMIT;
.print ready
SQL

# stdbuf: sqlite3 would keep "ready" in its buffer while it waits for more input.
exec stdbuf -oL sqlite3 -bail -init "$script" "$database"
