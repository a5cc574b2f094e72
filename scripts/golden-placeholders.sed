# Turns an output file of quillon-convert into the form the golden cases keep: the time it was written (line 4, and
# the ADIF 3 header's CREATED_TIMESTAMP) and the program's version (line 1, and PROGRAMVERSION) become placeholders.
# tests/support/TestFiles.h does the same in C++.
4s/^File converted on .*\r$/File converted on <timestamp>\r/
1s/ Version [0-9][0-9.]*\r$/ Version <version>\r/
s/^<PROGRAMVERSION:[0-9]*>[0-9.]*\r$/<PROGRAMVERSION><version>\r/
s/^<CREATED_TIMESTAMP:15>[0-9]\{8\} [0-9]\{6\}\r$/<CREATED_TIMESTAMP:15><timestamp>\r/
