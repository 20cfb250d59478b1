#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every language has every translated text in the merged menu entry and AppStream metadata: a
# language left out of LINGUAS, or an entry left fuzzy or empty in its catalogue, stays English.
# Usage: desktop_languages.sh DESKTOP_ENTRY METAINFO LINGUAS
exec awk -v languages="ar de es fr it ja nl pl pt_BR ru uk zh_CN" '
    FILENAME == ARGV[1] && match($0, /^(GenericName|Comment|Keywords)\[[^]]+\]=/) {
        found[substr($0, 1, RLENGTH - 1)] = 1
    }
    FILENAME == ARGV[2] {
        # The English texts have no language; each translation names its own.
        while (match($0, /<(summary|p|keyword)( xml:lang="[^"]+")?>/)) {
            tag = substr($0, RSTART, RLENGTH)
            split(tag, quoted, "\"")
            metadata[tag ~ /xml:lang/ ? quoted[2] : ""]++
            $0 = substr($0, RSTART + RLENGTH)
        }
    }
    FILENAME == ARGV[3] && !/^#/ { languages = languages " " $1 }
    END {
        split("GenericName Comment Keywords", keys, " ")
        count = split(languages, language, " ")
        for (i = 1; i <= count; i++) {
            if (checked[language[i]]++)
                continue
            for (k = 1; k <= 3; k++)
                if (!((keys[k] "[" language[i] "]") in found)) {
                    print language[i] ": no " keys[k]
                    failed = 1
                }
            if (metadata[language[i]] != metadata[""]) {
                print language[i] ": " metadata[language[i]] + 0 " of " metadata[""] " metadata texts"
                failed = 1
            }
        }
        exit failed
    }' "$@"
