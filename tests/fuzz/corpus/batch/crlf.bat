rem first
i2cr 1a 00
i2cw 1a 01 02
last: i2cr 1a 01