# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for orvalink-cli
set -l commands count list convert discover help
set -l forms ie firefox opera menu chromium
complete -c orvalink-cli -f -n "not __fish_seen_subcommand_from $commands" -a "$commands"
complete -c orvalink-cli -n "not __fish_seen_subcommand_from $commands" -s V -l version -d 'Show the version'
complete -c orvalink-cli -s h -l help -d 'Show the help'
complete -c orvalink-cli -f -n "__fish_seen_subcommand_from help" -a "$commands"
complete -c orvalink-cli -F -n "__fish_seen_subcommand_from count list convert"
complete -c orvalink-cli -x -n "__fish_seen_subcommand_from count list convert" -l from -a "$forms" -d 'The form of the source'
complete -c orvalink-cli -n "__fish_seen_subcommand_from count list discover" -l json -d 'Print JSON'
set -l convert "__fish_seen_subcommand_from convert"
complete -c orvalink-cli -x -n $convert -l to -a "$forms" -d 'The form of the destination'
complete -c orvalink-cli -n $convert -l force -d 'Write while the browser runs'
complete -c orvalink-cli -n $convert -l overwrite -d 'Overwrite the destination'
complete -c orvalink-cli -n $convert -l top-level -d 'Export into the top level'
complete -c orvalink-cli -x -n $convert -l folder -d 'The new folder name'
complete -c orvalink-cli -n $convert -l no-backup -d 'Make no backup'
complete -c orvalink-cli -n $convert -l links-before -d 'Links before subfolders'
complete -c orvalink-cli -n $convert -l keep-order -d 'Keep the source order'
complete -c orvalink-cli -x -n $convert -l where -a 'root new existing' -d 'Where in the Favorites'
complete -c orvalink-cli -x -n $convert -l existing -d 'The existing subfolder'
complete -c orvalink-cli -x -n $convert -l layout -a 'horizontal vertical' -d 'The menu layout'
complete -c orvalink-cli -n $convert -l open-new -d 'Links open in a new window'
complete -c orvalink-cli -n $convert -l same-window -d 'Links open in the same window'
complete -c orvalink-cli -n $convert -l show-url -d 'Show addresses'
complete -c orvalink-cli -n $convert -l no-show-url -d 'Hide addresses'
complete -c orvalink-cli -n $convert -l shadows -d 'Shadows under submenus'
complete -c orvalink-cli -n $convert -l no-shadows -d 'No shadows'
complete -c orvalink-cli -n $convert -l stats -d 'A line with the counts'
complete -c orvalink-cli -n $convert -l no-stats -d 'No line with the counts'
complete -c orvalink-cli -x -n $convert -l max-items -d 'Break submenus after N items'
complete -c orvalink-cli -n $convert -l no-max-items -d 'Never break submenus'
complete -c orvalink-cli -x -n $convert -l title -d 'The page title'
complete -c orvalink-cli -x -n $convert -l preset -d 'A colour preset'
complete -c orvalink-cli -x -n $convert -l only -d 'Export only this folder row'
complete -c orvalink-cli -n $convert -s q -l quiet -d 'Print neither progress nor the result'
