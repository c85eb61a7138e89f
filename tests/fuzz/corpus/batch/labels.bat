a:

goto b
b: i2cr 1a 00
again: goto start
b: i2cw 1a 00 00
rem 50% done
goto
end: