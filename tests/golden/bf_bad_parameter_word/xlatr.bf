twice   byte    twiceB  byte
twice   long    twiceL  word
twice   dword   twiceD  dword
