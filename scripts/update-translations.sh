#!/usr/bin/env bash
# Brings the translation sources up to date with the program's texts (new texts come in as
# unfinished, vanished ones are dropped). Translate the new ones before committing: the test
# suite checks that every text has a translation.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -no-obsolete -locations none common model live firmware controller dialogs editors shell simulator demo \
    -ts resources/translations/KelvoDesk_*.ts
