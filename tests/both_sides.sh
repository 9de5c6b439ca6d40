# Sourced by the Windows checks: prints a scenario without the commands that only
# velquist-sim offers (pictures are drawn on Linux), so velquist-host.exe can run it too.
# The bodies of `file` ... `end` stay whole.
linux_only='shot'
both_sides() {
  awk -v drop="$linux_only" '
    BEGIN { n = split(drop, names, " "); for (i = 1; i <= n; i++) skip[names[i]] = 1 }
    {
      line = $0; sub(/\r$/, "", line)
      if (body) { if (line ~ /^[ \t]*end[ \t]*$/) body = 0; print; next }
      split(line, w, /[ \t]+/); first = (w[1] == "" ? w[2] : w[1])
      if (first == "file") body = 1
      if (first in skip) { print "# (left out: Linux only) " line; next }
      print
    }' "$1"
}
