#!/usr/bin/env bash
# Velquist.asi must import the host's functions from ScriptHookV.dll by their decorated
# names, and must need no C++ runtime DLL.
# usage: windows_imports.sh VELQUIST_ASI
set -u
asi=$1
dump=$(x86_64-w64-mingw32-objdump -p "$asi") || exit 1
# Import rows read "<tab>vma<tab> hint name"; anything else ends a DLL's list.
shv=$(echo "$dump" | awk '/DLL Name:/ {dll=$3; next} /vma:/ {next}
  /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ {if (dll=="ScriptHookV.dll") print $3; next}
  {dll=""}' | sort)
expected=$(sort <<'NAMES'
?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z
?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z
?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z
?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z
?scriptWait@@YAXK@Z
?getGameVersion@@YA?AW4eGameVersion@@XZ
?createTexture@@YAHPEBD@Z
?drawTexture@@YAXHHHHMMMMMMMMMMMM@Z
?nativeInit@@YAX_K@Z
?nativePush64@@YAX_K@Z
?nativeCall@@YAPEA_KXZ
NAMES
)
status=0
if [ "$shv" != "$expected" ]; then
  echo "ScriptHookV.dll imports differ:"
  diff <(echo "$expected") <(echo "$shv")
  status=1
fi
if echo "$dump" | grep -iE 'DLL Name: (libstdc\+\+|libgcc|libwinpthread)' ; then
  echo "Velquist.asi needs a C++ runtime DLL"
  status=1
fi
[ $status = 0 ] && echo "imports ok: $(echo "$shv" | wc -l) ScriptHookV.dll names, no runtime DLL"
exit $status
