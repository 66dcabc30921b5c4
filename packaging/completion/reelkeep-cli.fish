# fish completion for reelkeep-cli: its commands and options, folders for --db, --covers and
# --to, the values of --status, --by and "settings set", and for show, mmd and export-title the
# titles of the catalogue that --db names on the line, or of the saved one.

# The command and its arguments so far; nothing before the command. The options come before
# the command, and --db and --covers take the next word unless they hold it after "=".
function __reelkeep_cli_command_line
    set -l words (commandline -opc)[2..-1]
    set -l skip 0
    for i in (seq (count $words))
        if test $skip -eq 1
            set skip 0
        else if contains -- $words[$i] --db --covers
            set skip 1
        else if not string match -q -- '-*' $words[$i]
            printf '%s\n' $words[$i..-1]
            return
        end
    end
end

function __reelkeep_cli_needs_command
    test (count (__reelkeep_cli_command_line)) -eq 0
end

# Whether the command is $argv[1], with $argv[2] arguments so far when that is given.
function __reelkeep_cli_command_is
    set -l line (__reelkeep_cli_command_line)
    test "$line[1]" = "$argv[1]"; or return
    test (count $argv) -lt 2; or test (count $line) -eq (math $argv[2] + 1)
end

# Whether the line is "settings set" and $argv[1] more words.
function __reelkeep_cli_setting_at
    set -l line (__reelkeep_cli_command_line)
    test "$line[1]" = settings; and test "$line[2]" = set
    and test (count $line) -eq (math $argv[1] + 2)
end

function __reelkeep_cli_titles
    set -l words (commandline -opc)[2..-1]
    set -l db
    set -l takes
    for word in $words
        if test -n "$takes"
            test $takes = --db; and set db --db (string replace -r '^~/' ~/ -- $word)
            set takes
        else if contains -- $word --db --covers
            set takes $word
        else if string match -q -- '--db=*' $word
            set db --db (string replace -r '^--db=(~/)?' '' -- $word)
            string match -q -- '--db=~/*' $word; and set db[2] ~/$db[2]
        else if not string match -q -- '-*' $word
            break
        end
    end
    reelkeep-cli $db list 2>/dev/null
end

# The keys of the application after "settings set", as "settings" prints them: APPLICATION/KEY=VALUE.
function __reelkeep_cli_keys
    set -l application (__reelkeep_cli_command_line)[3]
    reelkeep-cli settings 2>/dev/null | string replace -f -- "$application/" '' | string replace -r -- '=.*' ''
end

complete -c reelkeep-cli -f

complete -c reelkeep-cli -n __reelkeep_cli_needs_command -s h -l help -d 'Print the help and exit'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -s V -l version -d 'Print the version and the licence and exit'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -l db -x -a '(__fish_complete_directories)' -d 'The catalogue folder for this run'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -l covers -x -a '(__fish_complete_directories)' -d 'The covers folder for this run'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a settings -d 'Print every setting, or store one with "set"'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a list -d 'Print the titles in file order'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a show -d 'Print every fact of a title as JSON'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a mmd -d 'Print the batch document of a title'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a filter -d 'Print the titles that pass every criterion given'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a stats -d 'Print how many titles fall under each value of a dimension'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a export-batch -d 'Write the document of every title a batch rule selects'
complete -c reelkeep-cli -n __reelkeep_cli_needs_command -a export-title -d 'Write the document of a title beside its media files'

complete -c reelkeep-cli -n 'not __reelkeep_cli_needs_command' -s h -l help -d 'Describe the command'

complete -c reelkeep-cli -n '__reelkeep_cli_command_is show 0; or __reelkeep_cli_command_is mmd 0; or __reelkeep_cli_command_is export-title 0' -a '(__reelkeep_cli_titles)' -d Title
complete -c reelkeep-cli -n '__reelkeep_cli_command_is export-title; and not __reelkeep_cli_command_is export-title 0' -F -d 'Media file'

complete -c reelkeep-cli -n '__reelkeep_cli_command_is filter' -l year -x -d "Titles whose year's last four characters are YEAR"
complete -c reelkeep-cli -n '__reelkeep_cli_command_is filter' -l status -x -a 'present absent' -d 'Titles present or absent'
complete -c reelkeep-cli -n '__reelkeep_cli_command_is filter' -l entered -x -d 'Titles entered on a date starting with PREFIX (yyyy-mm-dd)'
complete -c reelkeep-cli -n '__reelkeep_cli_command_is filter' -l jove -d 'Titles a batch rule selects'
complete -c reelkeep-cli -n '__reelkeep_cli_command_is filter' -l text -x -d 'Titles where any fact contains TEXT'

complete -c reelkeep-cli -n '__reelkeep_cli_command_is stats' -l by -x -a 'year decade genre location medium rating status entered' -d 'Count by this dimension'
complete -c reelkeep-cli -n '__reelkeep_cli_command_is stats' -l csv -d 'Print CSV: a header line, then one row per value'

complete -c reelkeep-cli -n '__reelkeep_cli_command_is export-batch' -l to -x -a '(__fish_complete_directories)' -d 'The folder to write into instead of the saved export path'
complete -c reelkeep-cli -n '__reelkeep_cli_command_is export-batch' -l dry-run -d 'Write nothing; mark each path (new) or (replace)'

complete -c reelkeep-cli -n '__reelkeep_cli_command_is settings 0' -a set -d 'Store one setting'
complete -c reelkeep-cli -n '__reelkeep_cli_setting_at 0' -a 'ReelkeepViewer RKV'
complete -c reelkeep-cli -n '__reelkeep_cli_setting_at 1' -a '(__reelkeep_cli_keys)'
