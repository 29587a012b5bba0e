twice   byte    twiceB  byte
twice   word    twiceW  long
twice   dword   twiceD  dword
