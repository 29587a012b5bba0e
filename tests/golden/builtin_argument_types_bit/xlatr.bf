abs     bit      absT     bit
abs     real     absR     real
abs     byte     absB     byte
