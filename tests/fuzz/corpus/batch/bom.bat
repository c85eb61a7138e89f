top: i2cw 1a 10 01
i2cr 1a 10goto TOP
