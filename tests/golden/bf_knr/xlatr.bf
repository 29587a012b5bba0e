twice	byte	twiceB	byte
twice word
   twiceW word

twice  dword  twiceD  int
