#!/usr/bin/env bash
# Checks what a setup program promises before it runs: a 32-bit Windows GUI executable that
# imports only DLLs that Windows never looks for beside it, and no function that an older Windows
# lacks, with its manifest (administrator
# rights, common controls 6, DPI awareness) and its version information.
# Usage: verificar_programa.sh PROGRAM.exe OBJDUMP WINDRES
set -euo pipefail
programa=$1 objdump=$2 windres=$3
falhas=0
falhou() { echo "FALHA: $*"; falhas=$((falhas + 1)); }

cabecalho=$("$objdump" -p "$programa")
grep -q 'Magic.*010b.*(PE32)' <<<"$cabecalho" || falhou "not a PE32 executable"
grep -q 'Subsystem.*(Windows GUI)' <<<"$cabecalho" || falhou "not a GUI program"
# The build's strip step has run: the symbols stay in the build tree, not in what ships.
grep -q 'symbols stripped' <<<"$cabecalho" || falhou "carries its symbol table"

# The KnownDLLs of Windows 7 and later, and comctl32, which the manifest's side-by-side
# assembly resolves. Anything else would be searched for in the program's own folder first.
# comdlg32 is a KnownDLL as well, but Wine keeps no such list and an installer need not import it:
# the program loads it at run time from the system directory.
permitidas='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|msvcrt|comctl32)\.dll$'
while read -r dll; do
    grep -qiE "$permitidas" <<<"$dll" || falhou "imports $dll"
done < <(grep 'DLL Name:' <<<"$cabecalho" | awk '{print $3}')

# Looked up at run time: Windows 7 has it only with an update, and a program that imported it
# would not start there.
if grep -qw 'SetDefaultDllDirectories' <<<"$cabecalho"; then
    falhou "imports SetDefaultDllDirectories"
fi

recursos=$("$windres" -i "$programa" -O rc)
grep -q 'RT_MANIFEST' <<<"$recursos" || falhou "no manifest"
grep -q 'requireAdministrator' <<<"$recursos" || falhou "the manifest does not ask for administrator rights"
grep -q 'Microsoft.Windows.Common-Controls' <<<"$recursos" || falhou "the manifest does not ask for common controls 6"
grep -q 'dpiAware' <<<"$recursos" || falhou "the manifest does not declare DPI awareness"
grep -q 'VERSIONINFO' <<<"$recursos" || falhou "no version information"
grep -q 'VALUE "ProductName", "Pontilha"' <<<"$recursos" || falhou "product name is not Pontilha"
grep -q 'VALUE "ProductVersion", "1.0"' <<<"$recursos" || falhou "product version is not 1.0"
grep -q 'RT_GROUP_ICON' <<<"$recursos" || falhou "no icon"

[ "$falhas" -eq 0 ] && echo "ok: $programa"
exit "$falhas"
