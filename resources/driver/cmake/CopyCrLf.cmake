# Copies the text file IN to OUT with CRLF line ends, whatever the checkout
# gave: INF and GPD files are Windows text, and the archive must not depend
# on how git was configured on the build machine.
#   cmake -DIN=<file> -DOUT=<file> -P CopyCrLf.cmake
cmake_minimum_required(VERSION 3.21)
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
