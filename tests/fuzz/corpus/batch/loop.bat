loop: i2cw 1a 00 01
goto LOOP
